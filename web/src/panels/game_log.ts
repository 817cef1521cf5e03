// 経過: the game's events one a line, in the seats' colours, the newest in
// view. A closed panel reads nothing; it takes the whole log when it opens.
import type { Core, Json } from '../core';
import { make } from '../dialogs/modal';
import { colourText } from './sheet_cell';
import { SidePanel } from './side_panel';

// Dark, so that the user's yellow reads as well as the characters' colours.
const kGround = 0x202428;
// The kinds a reader's eye should catch: a game, a deal, a call, a seat
// out, a halving or doubling, the game's end.
const kEmphasised = new Set([0, 1, 10, 11, 13, 14, 16]);

interface LogEntry {
  seat: number;
  kind: number;
  text: string;
}

export class GameLog {
  readonly panel = new SidePanel('log-panel', '経過', 1);
  private readonly list: HTMLOListElement;
  private shown = 0;
  private generation = -1;

  constructor(
    private readonly core: Core,
    announce: (text: string) => void,
  ) {
    this.list = make('ol', 'log-lines');
    this.list.setAttribute('aria-live', 'off');
    this.list.setAttribute('aria-labelledby', this.panel.heading.id);
    // A list that scrolls is reached by the keys.
    this.list.tabIndex = 0;
    this.panel.addHeadButton('すべてコピー', () => void this.copyAll(announce));
    this.panel.body.append(this.list);
  }

  get isOpen(): boolean {
    return this.panel.isOpen;
  }

  show(): void {
    this.panel.open();
    this.refresh();
  }

  close(): void {
    this.panel.close();
  }

  // The entries written since the last look; all of them after a new game.
  refresh(): void {
    if (!this.isOpen) return;
    let log: Json = this.core.query('log', { from: this.shown });
    if (log.generation !== this.generation || log.total < this.shown) {
      this.list.replaceChildren();
      this.shown = 0;
      this.generation = log.generation;
      log = this.core.query('log', { from: 0 });
    }
    if (log.entries.length === 0) return;
    this.setColours();
    this.list.append(...log.entries.map(lineOf));
    this.shown = log.total;
    this.list.scrollTop = this.list.scrollHeight;
  }

  // The seats' colours follow the characters at the table.
  private setColours(): void {
    const colours: number[] = this.core.query('seatColours', { ground: kGround });
    colours.forEach((rgb, i) => this.list.style.setProperty(`--seat-${i + 1}`, colourText(rgb)));
  }

  private async copyAll(announce: (text: string) => void): Promise<void> {
    const text = [...this.list.children].map((li) => li.textContent).join('\n');
    try {
      await navigator.clipboard.writeText(text);
      announce('経過をコピーしました');
    } catch {
      announce('経過をコピーできませんでした');
    }
  }
}

function lineOf(entry: LogEntry): HTMLLIElement {
  const li = make('li', entry.seat >= 1 && entry.seat <= 4 ? `seat-${entry.seat}` : '', entry.text);
  if (kEmphasised.has(entry.kind)) li.classList.add('emphasised');
  return li;
}
