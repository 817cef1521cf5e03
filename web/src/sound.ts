// The voices and the card sound through Web Audio: each file decoded once,
// started at once. Until the page may play sound (the first tap or key)
// and whenever it cannot, nothing is heard and the call-outs are balloons.
export class Sound {
  private context: AudioContext | null = null;
  private readonly decoded = new Map<string, Promise<AudioBuffer | null>>();
  onAvailability: (present: boolean) => void = () => undefined;

  // Called from the first tap or key: browsers let sound start only then.
  unlock(): void {
    if (this.context) {
      if (this.context.state === 'suspended') void this.context.resume();
      return;
    }
    try {
      this.context = new AudioContext();
    } catch {
      return;
    }
    this.context.addEventListener('statechange', () => this.onAvailability(this.available));
    this.onAvailability(this.available);
  }

  get available(): boolean {
    return this.context !== null && this.context.state === 'running';
  }

  private buffer(file: string): Promise<AudioBuffer | null> {
    let buffer = this.decoded.get(file);
    if (!buffer) {
      const context = this.context!;
      // Opus is a tenth of the WAV's size; a browser that cannot decode it
      // gets the WAV itself.
      const decode = (name: string) =>
        fetch(`sounds/${name}`)
          .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(r.statusText))))
          .then((bytes) => context.decodeAudioData(bytes));
      buffer = decode(file.replace(/\.wav$/i, '.opus'))
        .catch(() => decode(file))
        .catch(() => null);
      this.decoded.set(file, buffer);
    }
    return buffer;
  }

  // Decodes every file ahead, so the first play of each starts at once.
  preload(files: string[]): void {
    if (!this.context) return;
    for (const file of files) void this.buffer(file);
  }

  // Plays the file to its end; false when nothing could be heard.
  async play(file: string): Promise<boolean> {
    if (!this.available) return false;
    const buffer = await this.buffer(file);
    if (!buffer || !this.available) return false;
    const context = this.context!;
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(context.destination);
    // Bounded: a context that stops mid-play must not hold the game.
    return new Promise<boolean>((resolve) => {
      const bound = setTimeout(() => resolve(true), buffer.duration * 1000 + 250);
      source.onended = () => {
        clearTimeout(bound);
        resolve(true);
      };
      source.start();
    });
  }
}
