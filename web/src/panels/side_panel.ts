// A window that the desktop stands beside the table, as a section of the
// page's side column: a heading, a close button and a body. The keys
// pressed in it act in it (scrolling, buttons); Esc gives them back to the
// table, and the menus' shortcut keys still reach the menus.
import { make } from '../dialogs/modal';

const kSide = 'side';

export class SidePanel {
  readonly section: HTMLElement;
  readonly body: HTMLElement;
  readonly heading: HTMLElement;
  private readonly closeButton: HTMLButtonElement;
  onClosed: () => void = () => undefined;

  constructor(
    id: string,
    title: string,
    private readonly order: number,
  ) {
    this.section = make('section', `side-panel ${id}`);
    this.section.id = id;
    this.section.dataset.order = String(order);
    this.section.tabIndex = -1;
    const head = make('div', 'side-head');
    this.heading = make('h2', 'side-title', title);
    this.heading.id = `${id}-title`;
    this.section.setAttribute('aria-labelledby', this.heading.id);
    const close = make('button', 'side-close', '閉じる');
    close.type = 'button';
    close.setAttribute('aria-label', `${title}を閉じる`);
    close.addEventListener('click', () => {
      this.close();
      this.onClosed();
    });
    this.closeButton = close;
    head.append(this.heading, close);
    this.body = make('div', 'side-body');
    this.section.append(head, this.body);
  }

  // A button of the panel's own, in its heading before 閉じる.
  addHeadButton(caption: string, press: () => void): HTMLButtonElement {
    const button = make('button', 'side-action', caption);
    button.type = 'button';
    button.addEventListener('click', press);
    this.closeButton.before(button);
    return button;
  }

  get isOpen(): boolean {
    return this.section.isConnected;
  }

  // In the side column's order, whichever opened first.
  open(): void {
    if (this.isOpen) return;
    const side = document.getElementById(kSide)!;
    const after = [...side.children].find((el) => Number((el as HTMLElement).dataset.order) > this.order);
    side.insertBefore(this.section, after ?? null);
  }

  close(): void {
    const hadFocus = this.section.contains(document.activeElement);
    this.section.remove();
    if (hadFocus) giveKeysBack?.();
  }
}

let giveKeysBack: (() => void) | null = null;

// Keys that go on to the page's own handlers from inside the side column.
function reachesMenus(event: KeyboardEvent): boolean {
  return /^F\d+$/.test(event.key) || event.altKey || event.ctrlKey || event.metaKey;
}

export function installSideKeys(giveKeysToTable: () => void): void {
  giveKeysBack = giveKeysToTable;
  document.getElementById(kSide)!.addEventListener('keydown', (event) => {
    if (reachesMenus(event)) return;
    event.stopPropagation();
    if (event.key === 'Escape') {
      event.preventDefault();
      giveKeysToTable();
    }
  });
}
