// The table, drawn from the core's display model through one transform:
// twips / 15 is a CSS pixel of the unscaled table, and the whole table is
// scaled to the room the window gives it, its proportions kept.
import type { Core, Json } from './core';

const kTwipsPerPixel = 15;
const kSuitLetters = ['s', 'h', 'c', 'd'];
const kMarkerFiles = ['Stemp', 'Htemp', 'Ctemp', 'Dtemp'];

export function px(twips: number): string {
  return `${twips / kTwipsPerPixel}px`;
}

export function cardFile(index: number, faceUp: boolean): string {
  const suit = Math.floor(index / 13);
  return faceUp ? `${kSuitLetters[suit]}${(index % 13) + 1}` : 'ura';
}

export function pictureUrl(name: string): string {
  return `pictures/${name}.png`;
}

// A stop of the keyboard ring: a card's code or the draw button.
export type Stop = number | 'draw';

function colour(rgb: number): string {
  return `#${rgb.toString(16).padStart(6, '0')}`;
}

function element<K extends keyof HTMLElementTagNameMap>(tag: K, className: string, parent: HTMLElement) {
  const made = document.createElement(tag);
  made.className = className;
  parent.append(made);
  return made;
}

function place(el: HTMLElement, r: { left: number; top: number; width?: number; height?: number }) {
  el.style.left = px(r.left);
  el.style.top = px(r.top);
  if (r.width !== undefined) el.style.width = px(r.width);
  if (r.height !== undefined) el.style.height = px(r.height);
}

// A card of the hand takes clicks only on the part of it that shows: the
// next card of the row covers the rest.
function visiblePart(item: Json, items: Json[]): Json {
  let right = item.left + item.width;
  for (const other of items)
    if (other.kind === 'userCard' && other.top === item.top && other.left > item.left) right = Math.min(right, other.left);
  return { ...item, width: right - item.left };
}

export class Table {
  readonly root: HTMLElement;
  readonly surface: HTMLElement;
  readonly overlay: HTMLElement;
  view: Json = null;
  motion = true;
  private readonly layout: Json;
  private readonly cards: HTMLImageElement[] = [];
  private readonly shownCards: (Json | null)[] = [];
  private readonly markers: HTMLImageElement[] = [];
  private readonly labels = new Map<string, HTMLElement>();
  private readonly arrow: HTMLImageElement;
  private readonly bar: HTMLElement;
  private readonly marks: HTMLElement;
  private readonly hits: HTMLElement;
  private readonly lists: HTMLElement;
  readonly drawButton: HTMLButtonElement;
  private readonly balloon: HTMLElement;
  private frame = 0;
  private shownXray = false;
  onCard: (suit: number, rank: number) => void = () => undefined;
  onDraw: () => void = () => undefined;
  onCaptionDoubleClick: () => void = () => undefined;
  onRendered: () => void = () => undefined;

  constructor(
    private readonly core: Core,
    stage: HTMLElement,
  ) {
    this.layout = core.query('layout');
    this.root = element('div', 'table-frame', stage);
    this.surface = element('div', 'table', this.root);
    this.surface.setAttribute('role', 'application');
    this.surface.setAttribute('aria-label', 'テーブル');
    this.surface.tabIndex = -1;
    for (const label of this.layout.labels) {
      const el = element('div', `label align-${label.align}`, this.surface);
      el.id = label.name;
      place(el, label);
      el.style.fontSize = `${(label.points * 20) / kTwipsPerPixel}px`;
      el.textContent = label.text;
      this.labels.set(label.name, el);
    }
    this.labels.get('lblROUND')!.addEventListener('dblclick', () => this.onCaptionDoubleClick());
    this.labels.get('lblROUND')!.title = 'ダブルクリックでレントゲン機能';
    this.labels.get('lblYOMI')!.classList.add('advice');
    this.labels.get('lblYOMI')!.hidden = true;
    this.labels.get('lblSTART')!.classList.add('start-hint');
    const stock = element('div', 'stock-counter', this.surface);
    place(stock, this.layout.stockCounter);
    stock.setAttribute('aria-hidden', 'true');
    const pictures = element('div', 'pictures', this.surface);
    pictures.setAttribute('aria-hidden', 'true');
    for (let i = 0; i < 52; ++i) {
      const img = element('img', 'card', pictures);
      img.alt = '';
      img.draggable = false;
      img.width = this.layout.picture.width / kTwipsPerPixel;
      img.height = this.layout.picture.height / kTwipsPerPixel;
      this.cards.push(img);
      this.shownCards.push(null);
    }
    for (const file of kMarkerFiles) {
      const img = element('img', 'card marker', pictures);
      img.alt = '';
      img.src = pictureUrl(file);
      this.markers.push(img);
    }
    this.arrow = element('img', 'arrow', pictures);
    this.arrow.alt = '';
    place(this.arrow, { ...this.layout.arrow, width: this.layout.arrow.size, height: this.layout.arrow.size });
    this.bar = element('div', 'bar', pictures);
    this.marks = element('div', 'marks', pictures);
    this.lists = element('div', 'xray-lists', this.surface);
    this.hits = element('div', 'hits', this.surface);
    this.drawButton = element('button', 'draw-button', this.surface);
    this.drawButton.type = 'button';
    this.drawButton.textContent = 'めくる';
    this.drawButton.id = 'cmdMEKU';
    place(this.drawButton, this.layout.drawButton);
    this.drawButton.addEventListener('click', () => this.onDraw());
    this.overlay = element('div', 'overlay', this.surface);
    this.balloon = element('div', 'balloon', this.surface);
    this.balloon.hidden = true;
    new ResizeObserver(() => this.fit()).observe(stage);
  }

  get tableWidth(): number {
    return this.view?.xray ? this.layout.table.xrayWidth : this.layout.table.width;
  }

  // Scaled to the room, proportions kept: the one transform.
  fit(): void {
    const stage = this.root.parentElement!;
    const width = this.tableWidth / kTwipsPerPixel;
    const height = this.layout.table.height / kTwipsPerPixel;
    const scale = Math.max(0.1, Math.min(stage.clientWidth / width, stage.clientHeight / height));
    this.surface.style.width = `${width}px`;
    this.surface.style.height = `${height}px`;
    this.surface.style.transform = `scale(${scale})`;
    this.root.style.width = `${width * scale}px`;
    this.root.style.height = `${height * scale}px`;
  }

  // The model changed: drawn at the next frame, once however often it changed.
  requestRender(): void {
    if (this.frame) return;
    this.frame = requestAnimationFrame(() => {
      this.frame = 0;
      this.render();
    });
  }

  render(): void {
    if (this.frame) cancelAnimationFrame(this.frame);
    this.frame = 0;
    const view = this.core.query('view');
    this.view = view;
    if (view.xray !== this.shownXray) {
      this.shownXray = view.xray;
      this.fit();
    }
    this.renderCards(view);
    this.renderMarkers(view);
    this.renderLabels(view);
    this.renderHits(view);
    this.renderLists(view);
    this.drawButton.hidden = !view.draw.visible;
    this.drawButton.disabled = !view.draw.enabled;
    document.title = view.title;
    this.onRendered();
  }

  private renderCards(view: Json): void {
    view.cards.forEach((card: Json, i: number) => {
      const img = this.cards[i];
      const before = this.shownCards[i];
      if (before && before.visible === card.visible && before.faceUp === card.faceUp && before.left === card.left &&
          before.top === card.top && before.z === card.z)
        return;
      img.hidden = !card.visible;
      if (!card.visible) {
        this.shownCards[i] = card;
        return;
      }
      const src = pictureUrl(cardFile(i, card.faceUp));
      if (img.getAttribute('src') !== src) img.src = src;
      img.style.zIndex = String(card.z);
      const slides = this.motion && before !== null && before.visible;
      const comesIn = this.motion && before !== null && !before.visible;
      if (comesIn) {
        // A card that comes into view comes off the stock.
        img.style.transition = 'none';
        img.style.transform = `translate(${px(this.layout.stock.left)}, ${px(this.layout.stock.top)})`;
        void img.offsetWidth;
      }
      img.style.transition = slides || comesIn ? '' : 'none';
      img.style.transform = `translate(${px(card.left)}, ${px(card.top)})`;
      this.shownCards[i] = card;
    });
  }

  private renderMarkers(view: Json): void {
    view.markers.forEach((m: Json, i: number) => {
      const img = this.markers[i];
      img.hidden = !m.visible;
      img.style.zIndex = String(m.z);
      img.style.transform = `translate(${px(m.left)}, ${px(m.top)})`;
    });
    this.arrow.hidden = !view.arrow.visible;
    const arrow = pictureUrl(view.arrow.up ? 'ArrowUp' : 'ArrowDn');
    if (this.arrow.getAttribute('src') !== arrow) this.arrow.src = arrow;
    this.bar.hidden = !view.bar.visible;
    place(this.bar, { left: this.layout.bar.left, top: view.bar.top, width: this.layout.bar.width, height: this.layout.bar.height });
    this.marks.replaceChildren();
    for (const left of view.marks) {
      const mark = element('div', 'mark', this.marks);
      place(mark, { left, top: this.layout.mark.top, width: this.layout.mark.size, height: this.layout.mark.size });
    }
  }

  private setLabel(name: string, text: string, rgb?: number, shown = true): void {
    const el = this.labels.get(name)!;
    if (el.textContent !== text) el.textContent = text;
    if (rgb !== undefined) el.style.color = colour(rgb);
    el.hidden = !shown;
  }

  private renderLabels(view: Json): void {
    view.seats.forEach((s: Json, i: number) => {
      this.setLabel(`lblPLNM${i}`, s.name, s.nameColour);
      this.setLabel(`lblJUNI${i}`, s.standing, s.standingColour);
      this.setLabel(`lblRUIS${i}`, s.total);
      this.setLabel(`lblPOINT${i}`, s.lastPoints);
      this.setLabel(`lblDNUM${i}`, s.zunpaRecord);
      this.setLabel(`lblWNUM${i}`, s.wins);
    });
    this.setLabel('lblROUND', view.roundCaption);
    this.setLabel('lblZAN', view.stock.text, undefined, view.stock.visible);
    (this.surface.querySelector('.stock-counter') as HTMLElement).hidden = !view.stock.visible;
    this.setLabel('lblGOKEI', view.handTotal.text, undefined, view.handTotal.visible);
    this.labels.get('lblGOKEI')!.style.fontSize = `${(view.handTotal.size * 20) / kTwipsPerPixel}px`;
    this.labels.get('lblGOKEI')!.setAttribute('aria-label', `手札の合計 ${view.handTotal.text}`);
    this.setLabel('lblSTART', view.startHint, undefined, view.startHint !== '');
  }

  // What a screen reader and a finger reach: the user's cards as buttons
  // over the part of each that shows, the pile and each other hand by
  // name. No face-down card is ever named.
  private renderHits(view: Json): void {
    // The user's buttons stay the same elements while their cards stay in
    // the hand, so the keyboard's focus and a reader's place survive.
    const kept = new Map<number, HTMLButtonElement>();
    for (const b of this.hits.querySelectorAll<HTMLButtonElement>('button[data-code]')) kept.set(Number(b.dataset.code), b);
    const shown: HTMLElement[] = [];
    for (const item of view.items) {
      let el: HTMLElement;
      if (item.kind === 'userCard') {
        const code: number = item.code;
        const suit = Math.floor(code / 100),
          rank = code % 100;
        let button = kept.get(code);
        if (!button) {
          button = document.createElement('button');
          button.className = 'hit card-button';
          button.type = 'button';
          button.dataset.code = String(code);
          const pressed = button;
          button.addEventListener('click', () => {
            if (pressed.getAttribute('aria-disabled') !== 'true') this.onCard(suit, rank);
          });
        }
        kept.delete(code);
        const enabled = view.cards[(suit - 1) * 13 + rank - 1].enabled;
        button.setAttribute('aria-disabled', String(!enabled));
        el = button;
      } else {
        el = document.createElement('div');
        el.className = `hit ${item.kind}`;
        el.setAttribute('role', 'img');
        if (item.kind === 'otherHand') el.dataset.seat = String(item.seat);
      }
      const name = item.description ? `${item.name} ${item.description}` : item.name;
      if (el.getAttribute('aria-label') !== name) el.setAttribute('aria-label', name);
      place(el, item.kind === 'userCard' ? visiblePart(item, view.items) : item);
      shown.push(el);
    }
    const active = document.activeElement as HTMLElement | null;
    for (const gone of kept.values()) gone.remove();
    for (const el of this.hits.querySelectorAll(':scope > div')) el.remove();
    // In the order a reader meets them: seats from the top, the pile, the hand.
    const order = [...this.hits.children];
    if (order.length !== shown.length || order.some((el, i) => el !== shown[i])) this.hits.append(...shown);
    if (active && shown.includes(active) && document.activeElement !== active) active.focus({ preventScroll: true });
  }

  private renderLists(view: Json): void {
    this.lists.hidden = !view.xray;
    if (!view.xray) return;
    this.lists.replaceChildren();
    view.lists.forEach((codes: number[], i: number) => {
      const list = element('ul', 'xray-list', this.lists);
      list.setAttribute('aria-label', i < 4 ? `${view.seats[i].name}の手札` : '場札の記録');
      const column = i < 4 ? i : 5;
      place(list, {
        left: this.layout.lists.left + this.layout.lists.step * column,
        top: this.layout.lists.top,
        width: this.layout.lists.width,
        height: this.layout.lists.height,
      });
      for (const code of codes) element('li', '', list).textContent = String(code);
    });
  }

  // The element a stop stands for, or null when it is not on the table.
  stopElement(stop: Stop): HTMLElement | null {
    if (stop === 'draw') return this.drawButton.hidden ? null : this.drawButton;
    return this.hits.querySelector(`[data-code="${stop}"]`);
  }

  focusedStop(): Stop | null {
    const active = document.activeElement as HTMLElement | null;
    if (!active) return null;
    if (active === this.drawButton) return 'draw';
    return active.dataset?.code ? Number(active.dataset.code) : null;
  }

  focusStop(stop: Stop): void {
    this.stopElement(stop)?.focus();
  }

  // Over the speaker's row, just right of its first card.
  showBalloon(seat: number, text: string): void {
    const b = this.layout.balloon;
    this.balloon.textContent = text;
    place(this.balloon, { left: b.left, top: b.rowTops[seat - 1] + b.drop });
    this.balloon.hidden = false;
  }

  hideBalloon(): void {
    this.balloon.hidden = true;
  }

  setAdvice(text: string): void {
    this.setLabel('lblYOMI', text, undefined, text !== '');
  }
}
