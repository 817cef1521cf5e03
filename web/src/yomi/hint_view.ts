// 読み's hint on the table, as the desktop paints it: a gold ring just
// outside the chosen card (or めくる) with its "ﾋﾝﾄ" tag, and on the lower
// part of each card that may be played, and beside めくる, what it is
// worth. All in the table's own coordinates, so it scales with the table.
import type { Stop, Table } from '../table';

export interface WorthTag {
  stop: Stop;
  text: string;
  best: boolean;
}

export interface YomiHint {
  best: Stop | null;
  tags: WorthTag[];
  words: string;
}

const kTwipsPerPixel = 15;
const kRingPad = 7; // wider than the focus ring, so both show on one card
const kRowDrop = [60, 290]; // neighbours take turns between two heights

function twips(t: number): number {
  return t / kTwipsPerPixel;
}

interface Box {
  left: number;
  top: number;
  width: number;
  height: number;
}

function boxOf(el: HTMLElement): Box {
  return { left: el.offsetLeft, top: el.offsetTop, width: el.offsetWidth, height: el.offsetHeight };
}

function div(className: string, parent: HTMLElement, text = ''): HTMLElement {
  const el = document.createElement('div');
  el.className = className;
  el.textContent = text;
  parent.append(el);
  return el;
}

export class HintView {
  private layer: HTMLElement | null = null;
  private described: HTMLElement[] = [];

  constructor(private readonly table: Table) {}

  get shown(): boolean {
    return this.layer !== null;
  }

  // False when the chosen stop is no longer on the table.
  show(hint: YomiHint): boolean {
    this.clear();
    const best = hint.best === null ? null : this.table.stopElement(hint.best);
    if (!best) return false;
    const layer = div('yomi-hint', this.table.overlay);
    layer.setAttribute('aria-hidden', 'true');
    this.layer = layer;
    const around = boxOf(best);
    const ring = div('yomi-ring', layer);
    Object.assign(ring.style, {
      left: `${around.left - kRingPad}px`,
      top: `${around.top - kRingPad}px`,
      width: `${around.width + 2 * kRingPad}px`,
      height: `${around.height + 2 * kRingPad}px`,
    });
    const hintTag = div('yomi-tag yomi-hint-tag', layer, 'ﾋﾝﾄ');
    const isDraw = hint.best === 'draw';
    if (isDraw) this.beside(hintTag, around, 0);
    else this.over(hintTag, around);
    let cardTag = 0;
    for (const tag of hint.tags) {
      const el = this.table.stopElement(tag.stop);
      if (!el) continue;
      const tagEl = div(`yomi-tag yomi-worth${tag.best ? ' best' : ''}`, layer, tag.text);
      tagEl.dataset.stop = String(tag.stop);
      // めくる's worth stands after its ﾋﾝﾄ tag when it is the choice.
      if (tag.stop === 'draw') this.beside(tagEl, boxOf(el), tag.best ? twips(480 + 60) : 0);
      else this.onCard(tagEl, boxOf(el), cardTag++ % 2);
      this.describe(el, `${tag.best ? 'ヒント、' : ''}読み ${tag.text}`);
    }
    if (hint.tags.length === 0) this.describe(best, 'ヒント');
    return true;
  }

  clear(): void {
    this.layer?.remove();
    this.layer = null;
    for (const el of this.described) el.removeAttribute('aria-description');
    this.described = [];
  }

  // What a screen reader adds to the card's name, as the desktop's.
  private describe(el: HTMLElement, text: string): void {
    el.setAttribute('aria-description', text);
    this.described.push(el);
  }

  private over(tag: HTMLElement, around: Box): void {
    tag.style.left = `${around.left + around.width / 2}px`;
    tag.style.top = `${around.top - twips(130)}px`;
    tag.classList.add('centred');
  }

  private beside(tag: HTMLElement, around: Box, after: number): void {
    tag.style.left = `${around.left + around.width + twips(90) + after}px`;
    tag.style.top = `${around.top + around.height / 2}px`;
    tag.classList.add('middle');
  }

  private onCard(tag: HTMLElement, around: Box, row: number): void {
    tag.style.left = `${around.left + twips(15)}px`;
    tag.style.top = `${around.top + around.height - twips(kRowDrop[row])}px`;
    tag.classList.add('above');
  }
}
