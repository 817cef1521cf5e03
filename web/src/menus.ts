// The menu bar, built from the core's menu tree: captions with their
// letters, shortcuts, check marks and greyed items as the desktop's. It
// follows the menubar pattern: arrows move, Enter chooses, Esc closes.
import type { Json } from './core';
import { captionText, make } from './dialogs/modal';

export type MenuKey = string; // "flgSOKUDO.2", "mneNEW"

export function keyOf(item: { name: string; index: number }): MenuKey {
  return item.index >= 0 ? `${item.name}.${item.index}` : item.name;
}

export class MenuBar {
  readonly root: HTMLElement;
  private readonly items = new Map<MenuKey, HTMLElement>();
  private readonly titles: HTMLButtonElement[] = [];
  private openMenu: HTMLElement | null = null;
  onChoose: (name: string, index: number) => void = () => undefined;
  onClosed: () => void = () => undefined;

  constructor(bar: Json[], parent: HTMLElement) {
    this.root = make('ul', 'menubar');
    this.root.setAttribute('role', 'menubar');
    this.root.setAttribute('aria-label', 'メニュー');
    for (const top of bar) this.root.append(this.buildTop(top));
    parent.append(this.root);
    document.addEventListener('pointerdown', (event) => {
      if (this.openMenu && !this.root.contains(event.target as Node)) this.close(false);
    });
  }

  private buildTop(top: Json): HTMLElement {
    const li = make('li');
    li.setAttribute('role', 'none');
    const title = make('button', 'menu-title', captionText(top.caption));
    title.type = 'button';
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    title.tabIndex = this.titles.length === 0 ? 0 : -1;
    title.dataset.letter = accelerator(top.caption);
    const menu = this.buildMenu(top.items, captionText(top.caption));
    title.addEventListener('click', () => (this.openMenu === menu ? this.close(true) : this.open(title, menu)));
    title.addEventListener('keydown', (event) => this.titleKey(event, title, menu));
    li.append(title, menu);
    this.titles.push(title);
    return li;
  }

  private buildMenu(items: Json[], label: string): HTMLElement {
    const menu = make('ul', 'menu');
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', label);
    menu.hidden = true;
    for (const item of items) {
      const li = make('li');
      li.setAttribute('role', 'none');
      if (item.caption === '-') {
        li.setAttribute('role', 'separator');
        li.className = 'separator';
        menu.append(li);
        continue;
      }
      const entry = make('div', 'menu-item');
      entry.tabIndex = -1;
      entry.dataset.letter = accelerator(item.caption);
      const caption = make('span', 'caption', captionText(item.caption));
      entry.append(caption);
      if (item.shortcut) entry.append(make('span', 'shortcut', item.shortcut));
      if (item.items) {
        entry.setAttribute('role', 'menuitem');
        entry.setAttribute('aria-haspopup', 'menu');
        entry.setAttribute('aria-expanded', 'false');
        const sub = this.buildMenu(item.items, captionText(item.caption));
        sub.classList.add('submenu');
        entry.addEventListener('click', (event) => {
          event.stopPropagation();
          this.toggleSub(entry, sub);
        });
        li.append(entry, sub);
      } else {
        entry.setAttribute('role', item.checkable ? 'menuitemcheckbox' : 'menuitem');
        if (item.checkable) entry.setAttribute('aria-checked', String(item.checked));
        if (!item.enabled) entry.setAttribute('aria-disabled', 'true');
        entry.dataset.key = keyOf(item);
        entry.addEventListener('click', () => this.choose(entry, item));
        this.items.set(keyOf(item), entry);
        li.append(entry);
      }
      menu.append(li);
    }
    menu.addEventListener('keydown', (event) => this.menuKey(event, menu));
    return menu;
  }

  private choose(entry: HTMLElement, item: Json): void {
    if (entry.getAttribute('aria-disabled') === 'true') return;
    this.close(true);
    this.onChoose(item.name, item.index);
  }

  private open(title: HTMLButtonElement, menu: HTMLElement, focusFirst = false): void {
    this.close(false);
    menu.hidden = false;
    title.setAttribute('aria-expanded', 'true');
    this.openMenu = menu;
    if (focusFirst) this.entries(menu)[0]?.focus();
  }

  // Closing gives the keys back to the table.
  close(giveKeysBack: boolean): void {
    for (const menu of this.root.querySelectorAll<HTMLElement>('.menu')) menu.hidden = true;
    for (const el of this.root.querySelectorAll('[aria-expanded="true"]')) el.setAttribute('aria-expanded', 'false');
    const was = this.openMenu;
    this.openMenu = null;
    if (was && giveKeysBack) this.onClosed();
  }

  get isOpen(): boolean {
    return this.openMenu !== null;
  }

  private toggleSub(entry: HTMLElement, sub: HTMLElement): void {
    const opening = sub.hidden;
    for (const other of entry.closest('.menu')!.querySelectorAll<HTMLElement>(':scope > li > .submenu')) other.hidden = true;
    sub.hidden = !opening;
    entry.setAttribute('aria-expanded', String(opening));
    if (opening) this.entries(sub)[0]?.focus();
  }

  private entries(menu: HTMLElement): HTMLElement[] {
    return [...menu.querySelectorAll<HTMLElement>(':scope > li > .menu-item')];
  }

  // Alt and a top letter opens that menu, as the desktop's accelerators.
  openByLetter(letter: string): boolean {
    const title = this.titles.find((t) => t.dataset.letter === letter.toUpperCase());
    if (!title) return false;
    this.open(title, title.nextElementSibling as HTMLElement, true);
    return true;
  }

  private titleKey(event: KeyboardEvent, title: HTMLButtonElement, menu: HTMLElement): void {
    const at = this.titles.indexOf(title);
    if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
      event.preventDefault();
      const next = this.titles[(at + (event.key === 'ArrowRight' ? 1 : this.titles.length - 1)) % this.titles.length];
      next.focus();
      if (this.openMenu) this.open(next, next.nextElementSibling as HTMLElement, true);
    } else if (event.key === 'ArrowDown' || event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      this.open(title, menu, true);
    } else if (event.key === 'Escape') {
      event.preventDefault();
      this.close(false);
      this.onClosed();
    }
  }

  private menuKey(event: KeyboardEvent, menu: HTMLElement): void {
    const entries = this.entries(menu);
    const at = entries.indexOf(document.activeElement as HTMLElement);
    if (at < 0) return;
    event.stopPropagation();
    const step = (d: number) => entries[(at + d + entries.length) % entries.length].focus();
    const letter = entries.find((e) => e.dataset.letter && e.dataset.letter === event.key.toUpperCase());
    if (event.key === 'ArrowDown') step(1);
    else if (event.key === 'ArrowUp') step(-1);
    else if (event.key === 'Enter' || event.key === ' ') entries[at].click();
    else if (event.key === 'ArrowRight' && entries[at].getAttribute('aria-haspopup')) entries[at].click();
    else if (event.key === 'Escape' || (event.key === 'ArrowLeft' && menu.classList.contains('submenu'))) {
      if (menu.classList.contains('submenu')) {
        menu.hidden = true;
        const owner = menu.previousElementSibling as HTMLElement;
        owner.setAttribute('aria-expanded', 'false');
        owner.focus();
      } else {
        this.close(true);
      }
    } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      const title = menu.previousElementSibling as HTMLButtonElement;
      this.titleKey(new KeyboardEvent('keydown', { key: event.key }), title, menu);
    } else if (letter) letter.click();
    else return;
    event.preventDefault();
  }

  // The check marks and greyed items as the core and the page's own
  // preferences have them now.
  sync(checks: Record<MenuKey, boolean>, enabled: Record<MenuKey, boolean>): void {
    for (const [key, value] of Object.entries(checks)) this.items.get(key)?.setAttribute('aria-checked', String(value));
    for (const [key, value] of Object.entries(enabled)) {
      const entry = this.items.get(key);
      if (!entry) continue;
      if (value) entry.removeAttribute('aria-disabled');
      else entry.setAttribute('aria-disabled', 'true');
    }
  }
}

function accelerator(caption: string): string {
  const at = caption.indexOf('&');
  return at >= 0 && at + 1 < caption.length ? caption[at + 1].toUpperCase() : '';
}
