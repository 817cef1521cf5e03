// 得点表: one column a seat, the name in its two halves over the twenty
// rounds' running totals, each total styled as the settlement wrote it,
// and the legend of those styles.
import type { Core, Json } from '../core';
import { make } from '../dialogs/modal';
import { cellMeaning, colourText, kPlainPoints } from './sheet_cell';
import { SidePanel } from './side_panel';

const kNameFirst = 21;
const kNameRest = 0;
const kRounds = 20;
// The least a name's half shrinks to before it is cut, as on the desktop.
const kSmallestName = 2 / 3;

const kLegend: { text: string; className: string }[] = [
  { text: '青色…ズンパ勝ち', className: 'legend-blue' },
  { text: '緑色…あがり勝ち', className: 'legend-green' },
  { text: '赤色…ズンパ負け', className: 'legend-red' },
  { text: '字小or大…点半減or倍', className: 'legend-underline' },
  { text: 'Italic…ズンパ返し', className: 'legend-italic' },
];

interface Cell {
  caption: string;
  colour: number;
  italic: boolean;
  size: number;
  underline: boolean;
}

export class ScoreTable {
  readonly panel = new SidePanel('score-panel', '得点表', 0);
  private readonly nameHeads: HTMLTableCellElement[] = [];
  private readonly nameLines: HTMLElement[][] = [];
  private readonly cells: HTMLTableCellElement[][] = [];
  private shown = '';

  constructor(private readonly core: Core) {
    const table = make('table', 'score-sheet');
    table.setAttribute('aria-labelledby', this.panel.heading.id);
    table.append(this.buildHead(), this.buildRounds());
    const legend = make('ul', 'score-legend');
    legend.setAttribute('aria-label', '凡例');
    for (const line of kLegend) legend.append(make('li', line.className, line.text));
    this.panel.body.append(table, legend);
    new ResizeObserver(() => this.fitNames()).observe(this.panel.body);
  }

  private buildHead(): HTMLElement {
    const head = make('thead');
    const row = make('tr');
    const corner = make('th', 'round-number');
    corner.scope = 'col';
    corner.append(make('span', 'visually-hidden', 'ラウンド'));
    row.append(corner);
    for (let seat = 0; seat < 4; ++seat) {
      const th = make('th', 'seat-name');
      th.scope = 'col';
      const lines = [make('span', 'name-line'), make('span', 'name-line')];
      th.append(make('span', 'visually-hidden seat-number'), ...lines);
      this.nameHeads.push(th);
      this.nameLines.push(lines);
      row.append(th);
    }
    head.append(row);
    return head;
  }

  private buildRounds(): HTMLElement {
    const body = make('tbody');
    for (let seat = 0; seat < 4; ++seat) this.cells.push([]);
    for (let round = 1; round <= kRounds; ++round) {
      const row = make('tr');
      const number = make('th', 'round-number', String(round));
      number.scope = 'row';
      row.append(number);
      for (let seat = 0; seat < 4; ++seat) {
        const td = make('td');
        this.cells[seat].push(td);
        row.append(td);
      }
      body.append(row);
    }
    return body;
  }

  get isOpen(): boolean {
    return this.panel.isOpen;
  }

  show(focus: boolean): void {
    this.panel.open();
    this.refresh();
    if (focus) this.panel.section.focus();
  }

  // What the core's sheet holds now; nothing is redrawn when it is unchanged.
  refresh(): void {
    if (!this.isOpen) return;
    const sheet: Json = this.core.query('sheet');
    const text = JSON.stringify(sheet);
    if (text === this.shown) return;
    this.shown = text;
    sheet.columns.forEach((column: Cell[], seat: number) => {
      this.showName(seat, column[kNameFirst], column[kNameRest]);
      for (let round = 1; round <= kRounds; ++round) showCell(this.cells[seat][round - 1], column[round]);
    });
    this.fitNames();
  }

  private showName(seat: number, first: Cell, rest: Cell): void {
    // Before the first game the names are blank: the column still says whose it is.
    const blank = first.caption === '' && rest.caption === '';
    this.nameHeads[seat].querySelector('.seat-number')!.textContent = blank ? `${seat + 1}番目の席` : '';
    [first, rest].forEach((cell, i) => {
      const line = this.nameLines[seat][i];
      line.textContent = cell.caption;
      line.style.color = colourText(cell.colour);
    });
  }

  // A half of a name is one word: it shrinks to fit its column, and only
  // past two-thirds of its size is it cut, the whole name in its tooltip.
  private fitNames(): void {
    if (!this.isOpen) return;
    this.nameLines.forEach((lines, seat) => {
      let cut = false;
      for (const line of lines) {
        let scale = 1;
        line.style.fontSize = '';
        while (line.scrollWidth > line.clientWidth && scale - 0.05 >= kSmallestName) {
          scale -= 0.05;
          line.style.fontSize = `${scale}em`;
        }
        cut ||= line.scrollWidth > line.clientWidth;
      }
      const head = this.nameHeads[seat];
      if (cut) head.title = lines.map((line) => line.textContent).join('');
      else head.removeAttribute('title');
    });
  }
}

function showCell(td: HTMLTableCellElement, cell: Cell): void {
  td.replaceChildren(cell.caption);
  td.style.color = colourText(cell.colour);
  td.style.fontStyle = cell.italic ? 'italic' : '';
  td.style.textDecoration = cell.underline ? 'underline' : '';
  td.style.fontSize = cell.size === kPlainPoints ? '' : `${Math.max(1, cell.size) / kPlainPoints}em`;
  const meaning = cellMeaning(cell);
  if (meaning && cell.caption) td.append(make('span', 'visually-hidden', `（${meaning}）`));
}
