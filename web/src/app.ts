// The page's parts, put together: the core, the table, the menus, the
// Host, and the driver that runs the core's steps on timers.
import { type Core, type Json } from './core';
import { WebHost } from './host';
import { keepStop } from './keys';
import { keyOf, type MenuBar } from './menus';
import type { Sound } from './sound';
import type { Table } from './table';

export type MenuCommand = (index: number) => void | Promise<void>;

// The window's own preferences, which the desktop keeps in its per-user store.
export const preferences = {
  get(key: string): string | null {
    try {
      return localStorage.getItem(`zunpas.${key}`);
    } catch {
      return null;
    }
  },
  set(key: string, value: string | null): void {
    try {
      if (value === null) localStorage.removeItem(`zunpas.${key}`);
      else localStorage.setItem(`zunpas.${key}`, value);
    } catch {
      // A page without storage keeps its preferences for the visit only.
    }
  },
  flag(key: string, fallback: boolean): boolean {
    const value = this.get(key);
    return value === null ? fallback : value === 'true';
  },
};

export class App {
  readonly commands = new Map<string, MenuCommand>();
  // Check marks the page keeps itself (the log, card motion, 問いにも読み).
  readonly pageChecks = new Map<string, () => boolean>();
  readonly beforeCommand: (() => void)[] = [];
  readonly afterRender: ((view: Json) => void)[] = [];
  // The question whose box is up (a message, or {suitChoice: true}), for 読み.
  question: Json | null = null;
  private stepTimer = 0;
  private stopped = false;
  private holds = 0;
  host!: WebHost;

  constructor(
    readonly core: Core,
    readonly table: Table,
    readonly menus: MenuBar,
    readonly sound: Sound,
    readonly live: HTMLElement,
  ) {
    table.onCard = (suit, rank) => void this.play('click', { suit, rank });
    table.onDraw = () => void this.play('draw');
    table.onCaptionDoubleClick = () => void this.play('xray');
    table.onRendered = () => {
      this.syncMenus();
      for (const listener of this.afterRender) listener(table.view);
    };
    menus.onChoose = (name, index) => void this.choose(name, index);
    menus.onClosed = () => this.giveKeysToTable();
  }

  // A line for a screen reader: call-outs and messages.
  announce(text: string): void {
    const line = document.createElement('p');
    line.textContent = text;
    this.live.append(line);
    while (this.live.childElementCount > 5) this.live.firstElementChild!.remove();
  }

  async choose(name: string, index = -1): Promise<void> {
    const entry = this.menus.root.querySelector(`[data-key="${keyOf({ name, index })}"]`);
    if (entry?.getAttribute('aria-disabled') === 'true') return;
    const run = this.commands.get(name);
    if (run) await run(index);
    this.table.render();
  }

  // A command of the game; the steps that follow run on the page's timers.
  async play(op: string, args: object = {}): Promise<boolean> {
    if (this.stopped) return false;
    for (const listener of this.beforeCommand) listener();
    const done = await this.core.command(op, args);
    this.afterCommand();
    return done;
  }

  afterCommand(): void {
    this.table.render();
    this.keepFocus();
    this.schedule();
  }

  // The user's move starts with the table at rest; a computer's move
  // waits its pause on a timer, the page live meanwhile.
  schedule(): void {
    clearTimeout(this.stepTimer);
    this.stepTimer = 0;
    const view = this.table.view;
    if (this.stopped || this.holds > 0 || !view?.next.run) return;
    this.stepTimer = window.setTimeout(() => {
      this.stepTimer = 0;
      void this.play('step');
    }, view.next.pause * 1000);
  }

  // A window of the user's own between two steps: the computer waits,
  // also when the window came up while a step was under way.
  async between<T>(open: () => Promise<T>): Promise<T> {
    ++this.holds;
    clearTimeout(this.stepTimer);
    this.stepTimer = 0;
    try {
      return await open();
    } finally {
      // A command still under way schedules its own next step.
      if (--this.holds === 0 && !this.core.busy) this.schedule();
    }
  }

  get stepPending(): boolean {
    return this.stepTimer !== 0;
  }

  stop(): void {
    this.stopped = true;
    clearTimeout(this.stepTimer);
  }

  private keepFocus(): void {
    const current = this.table.focusedStop();
    if (current === null) return;
    const stop = keepStop(this.table.view.stops, current);
    if (stop !== null && stop !== current) this.table.focusStop(stop);
  }

  giveKeysToTable(): void {
    const stop = keepStop(this.table.view?.stops ?? [], this.table.focusedStop());
    if (stop !== null) this.table.focusStop(stop);
    else this.table.surface.focus({ preventScroll: true });
  }

  syncMenus(): void {
    const view = this.table.view;
    if (!view) return;
    const checks: Record<string, boolean> = { ...view.menus.checks };
    for (const [key, checked] of this.pageChecks) checks[key] = checked();
    this.menus.sync(checks, view.menus.enabled);
  }
}
