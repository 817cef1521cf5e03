// The game's core in WebAssembly: queries answer at once, commands may
// wait on the page (a question, a pause, a sound) and run one at a time.
import createZunpaPage from '@page/zunpa-page.js';
import wasmUrl from '@page/zunpa-page.wasm?url';

export type Json = any; // eslint-disable-line @typescript-eslint/no-explicit-any

export interface PageHost {
  ask(kind: string, data: Json): Promise<Json>;
  tell(kind: string, data: Json): void;
}

export interface PageFiles {
  store(path: string, bytes: Uint8Array): Promise<boolean>;
}

interface Module {
  _zp_query(request: number): number;
  _malloc(size: number): number;
  _free(pointer: number): void;
  UTF8ToString(pointer: number): string;
  stringToUTF8(text: string, pointer: number, size: number): void;
  lengthBytesUTF8(text: string): number;
  ccall(name: string, returns: string | null, args: string[], values: unknown[], options?: { async: boolean }): unknown;
  FS: {
    mkdir(path: string): void;
    writeFile(path: string, data: Uint8Array | string): void;
    readFile(path: string): Uint8Array;
    readdir(path: string): string[];
    unlink(path: string): void;
  };
  zunpaHost: PageHost;
  zunpaFiles: PageFiles;
}

export const kAppDir = '/zunpa';
export const kDataDir = '/zunpa/data';

// Game commands a running step refuses, as the desktop's session does;
// the page drops them instead of keeping them for later. Behind an option
// (which writes the settings) they wait their turn, as they would come
// after it on the desktop.
const kRefusedWhileBusy = new Set(['click', 'draw', 'new', 'continue', 'save']);
const kMakesBusy = new Set([...kRefusedWhileBusy, 'step']);

export class Core {
  private running: Promise<unknown> = Promise.resolve();
  private depth = 0;
  private playing = 0;

  constructor(private readonly module: Module) {}

  get fs(): Module['FS'] {
    return this.module.FS;
  }

  // True while a command is under way (it may be waiting on the page).
  get busy(): boolean {
    return this.depth > 0;
  }

  // Called straight, not through ccall: while a command waits on the page,
  // ccall would hand back a promise even for a call that never waits.
  query<T = Json>(op: string, args: object = {}): T {
    const m = this.module;
    const request = JSON.stringify({ op, ...args });
    const size = m.lengthBytesUTF8(request) + 1;
    const pointer = m._malloc(size);
    try {
      m.stringToUTF8(request, pointer, size);
      return JSON.parse(m.UTF8ToString(m._zp_query(pointer))) as T;
    } finally {
      m._free(pointer);
    }
  }

  command(op: string, args: object = {}): Promise<boolean> {
    if (this.playing > 0 && kRefusedWhileBusy.has(op)) return Promise.resolve(false);
    const plays = kMakesBusy.has(op);
    ++this.depth;
    if (plays) ++this.playing;
    const run = this.running.then(async () => {
      try {
        const done = await this.module.ccall('zp_command', 'number', ['string'], [JSON.stringify({ op, ...args })], {
          async: true,
        });
        return done === 1;
      } finally {
        --this.depth;
        if (plays) --this.playing;
      }
    });
    this.running = run.catch(() => undefined);
    return run;
  }
}

export async function loadCore(host: PageHost, files: PageFiles): Promise<Core> {
  const module = (await createZunpaPage({
    locateFile: () => wasmUrl,
    print: () => undefined,
    printErr: (text: string) => console.warn(text),
  })) as Module;
  module.zunpaHost = host;
  module.zunpaFiles = files;
  return new Core(module);
}
