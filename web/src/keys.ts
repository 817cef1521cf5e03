// Playing by keyboard, as on the desktop: ← → move the ring (the DOM's
// focus) over the cards that may be played and めくる, Enter or Space plays
// it, ↓ or D draws, H asks 読み; F2, Shift+F2, Ctrl+S and F1 are the menus'
// keys, Alt and a letter opens a menu.
import type { Json } from './core';
import { modalOpen } from './dialogs/modal';
import type { MenuBar } from './menus';
import type { Stop, Table } from './table';

export interface KeyCommands {
  choose(name: string): void;
  draw(): void;
}

export function stepStop(stops: Stop[], current: Stop | null, step: number): Stop | null {
  if (stops.length === 0) return null;
  const at = current === null ? -1 : stops.indexOf(current);
  if (at < 0) return stops[0];
  return stops[(at + step + stops.length) % stops.length];
}

// After a change of the table: the same stop if it is still there, else
// the first card that may be played, else めくる.
export function keepStop(stops: Stop[], current: Stop | null): Stop | null {
  if (current !== null && stops.includes(current)) return current;
  return stops[0] ?? null;
}

export function installKeys(table: Table, menus: MenuBar, commands: KeyCommands): void {
  document.addEventListener('keydown', (event) => {
    if (modalOpen()) return;
    const view: Json = table.view;
    if (event.altKey && !event.ctrlKey && event.key.length === 1) {
      if (menus.openByLetter(event.key)) event.preventDefault();
      return;
    }
    if (menus.isOpen || menus.root.contains(document.activeElement)) return;
    const shortcut = shortcutOf(event);
    if (shortcut) {
      event.preventDefault();
      commands.choose(shortcut);
      return;
    }
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const stops: Stop[] = view?.stops ?? [];
    const current = table.focusedStop();
    switch (event.key) {
      case 'ArrowLeft':
      case 'ArrowRight': {
        event.preventDefault();
        // The first key shows the ring where it stands; later ones move it.
        const next = current === null ? keepStop(stops, null) : stepStop(stops, current, event.key === 'ArrowLeft' ? -1 : 1);
        if (next !== null) table.focusStop(next);
        return;
      }
      case 'Enter':
      case ' ':
        if (current === null) {
          event.preventDefault();
          const first = keepStop(stops, null);
          if (first !== null) table.focusStop(first);
        }
        return;
      case 'ArrowDown':
      case 'd':
      case 'D':
        event.preventDefault();
        if (view?.draw.visible && view.draw.enabled) commands.draw();
        return;
      default:
    }
  });
}

function shortcutOf(event: KeyboardEvent): string | null {
  if (event.key === 'F2') return event.shiftKey ? 'mneNEWNUM' : 'mneNEW';
  if (event.key === 'F1') return 'mneMOKUJI';
  if ((event.ctrlKey || event.metaKey) && (event.key === 's' || event.key === 'S')) return 'mneSAVE';
  if (!event.ctrlKey && !event.altKey && !event.metaKey && (event.key === 'h' || event.key === 'H')) return 'mneHINT';
  return null;
}
