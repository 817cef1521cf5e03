// A single-selection list as the desktop's list box: arrows select, a
// click (or a tap) on an entry is reported at once.
import { make } from './modal';
import { uniqueId } from './controls';

export class PickList {
  readonly element: HTMLUListElement;
  private entries: string[] = [];
  private selected = -1;
  onClick: (entry: number) => void = () => undefined;

  constructor(labelledBy: string) {
    this.element = make('ul', 'pick-list');
    this.element.id = uniqueId('list');
    this.element.tabIndex = 0;
    this.element.setAttribute('role', 'listbox');
    this.element.setAttribute('aria-labelledby', labelledBy);
    this.element.addEventListener('keydown', (event) => this.key(event));
  }

  get selection(): number {
    return this.selected;
  }

  // New entries come with nothing selected, as a refilled list box.
  fill(entries: string[]): void {
    this.entries = entries;
    this.selected = -1;
    this.show();
  }

  private show(): void {
    const options = this.entries.map((text, i) => {
      const option = make('li', 'pick-entry', text);
      option.id = `${this.element.id}-${i}`;
      option.setAttribute('role', 'option');
      option.setAttribute('aria-selected', String(i === this.selected));
      option.addEventListener('click', () => {
        this.select(i);
        this.onClick(i);
      });
      return option;
    });
    this.element.replaceChildren(...options);
    if (this.selected >= 0) {
      this.element.setAttribute('aria-activedescendant', options[this.selected].id);
      options[this.selected].scrollIntoView({ block: 'nearest' });
    } else {
      this.element.removeAttribute('aria-activedescendant');
    }
  }

  private select(entry: number): void {
    this.selected = Math.max(0, Math.min(this.entries.length - 1, entry));
    this.show();
  }

  private key(event: KeyboardEvent): void {
    if (this.entries.length === 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    const last = this.entries.length - 1;
    const moves: Record<string, number> = {
      ArrowDown: this.selected < 0 ? 0 : this.selected + 1,
      ArrowUp: this.selected < 0 ? 0 : this.selected - 1,
      Home: 0,
      End: last,
    };
    if (!(event.key in moves)) return;
    event.preventDefault();
    this.select(moves[event.key]);
  }
}
