// What the browser tests read of the page: the core's view, whether the
// game waits on the user, and the files kept in IndexedDB. Nothing here
// changes the game.
import type { App } from './app';
import { loadFiles } from './files';

declare global {
  interface Window {
    zunpaTest: {
      view(): unknown;
      idle(): boolean;
      stepPending(): boolean;
      storedFiles(): Promise<Record<string, string>>;
    };
  }
}

export function installTestHooks(app: App): void {
  window.zunpaTest = {
    view: () => app.core.query('view'),
    // Idle: no command under way and no step waiting, or a dialog waits on the user.
    idle: () => document.querySelector('dialog[open]') !== null || (!app.core.busy && !app.stepPending),
    // A computer's move waits on its timer, no command under way.
    stepPending: () => app.stepPending,
    storedFiles: async () => {
      const out: Record<string, string> = {};
      for (const [name, bytes] of await loadFiles())
        out[name] = [...bytes].map((b) => b.toString(16).padStart(2, '0')).join('');
      return out;
    },
  };
}
