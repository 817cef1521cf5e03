// The Host of the page: the core's questions answered by the page's own
// dialogs, its pauses by timers that leave the page live, its sounds by
// Web Audio and its call-outs by voices or balloons.
import type { Json, PageHost } from './core';
import { showMessage } from './dialogs/message';
import type { Sound } from './sound';
import type { Table } from './table';

export type DialogRunner = (data: Json) => Promise<Json>;

export interface HostEvents {
  display(): void;
  scoreSheet(): void;
  gameSaved(number: string): void;
  busy(): void;
  stopped(ended: boolean): void;
  question(message: Json | null): void;
}

export function sleep(seconds: number): Promise<void> {
  return new Promise((resolve) => setTimeout(resolve, Math.max(0, seconds * 1000)));
}

export class WebHost implements PageHost {
  private readonly dialogs = new Map<string, DialogRunner>();

  constructor(
    private readonly table: Table,
    private readonly sound: Sound,
    private readonly events: HostEvents,
    private readonly announce: (text: string) => void,
  ) {}

  // The dialogs of the core (player selection, suit choice, results, ...)
  // each come from a module of their own.
  register(kind: string, run: DialogRunner): void {
    this.dialogs.set(kind, run);
  }

  async ask(kind: string, data: Json): Promise<Json> {
    switch (kind) {
      case 'message':
        return this.message(data);
      case 'pause':
        return sleep(data.seconds);
      case 'sound':
        this.table.render();
        return this.sound.play(data.file);
      case 'announce':
        return this.callOut(data);
      default: {
        const run = this.dialogs.get(kind);
        this.table.render();
        if (!run) return null;
        if (kind !== 'chooseSuit') return run(data);
        // The suit after a suit-change card is the user's question too.
        this.events.question({ suitChoice: true });
        try {
          return await run(data);
        } finally {
          this.events.question(null);
        }
      }
    }
  }

  tell(kind: string, data: Json): void {
    if (kind === 'display') this.events.display();
    else if (kind === 'scoreSheet') this.events.scoreSheet();
    else if (kind === 'gameSaved') this.events.gameSaved(data.number);
    else if (kind === 'busy') this.events.busy();
    else if (kind === 'stopped') this.events.stopped(data.ended);
  }

  // Whatever blocks next, the table shows the move that led to it.
  private async message(m: Json): Promise<string> {
    this.table.render();
    if (m.asked !== 'None') this.events.question(m);
    try {
      return await showMessage(m, this.announce);
    } finally {
      if (m.asked !== 'None') this.events.question(null);
    }
  }

  // A voice when one can be heard, else the words in a balloon, which is
  // also what a screen reader is told.
  private async callOut(a: Json): Promise<void> {
    this.table.render();
    this.announce(a.text);
    if (a.voice && (await this.sound.play(a.voice))) return;
    if (a.speaker < 1 || a.speaker > 4) return;
    this.table.showBalloon(a.speaker, a.text);
    await sleep(a.seconds);
    this.table.hideBalloon();
  }
}
