// ズンパＳ in a page: the data files out of IndexedDB into the core's
// folder, the table drawn, the menus built, and the game started.
import './styles.css';
import { App, preferences } from './app';
import { kAppDir, kDataDir, loadCore } from './core';
import { onModalClosed } from './dialogs/modal';
import { loadFiles, storeFile } from './files';
import { WebHost } from './host';
import { installKeys } from './keys';
import { MenuBar } from './menus';
import { registerCommands } from './commands';
import { Sound } from './sound';
import { Table } from './table';
import { registerFeatures } from './features';
import { installTestHooks } from './test_hooks';

async function boot(): Promise<void> {
  const shell = document.getElementById('app')!;
  const live = document.getElementById('live')!;
  const stage = document.getElementById('stage')!;
  // The files and the core come in side by side.
  const filesLoaded = loadFiles();
  let app: App | null = null;
  const events = {
    display: () => app?.table.requestRender(),
    scoreSheet: () => void app?.commands.get('mneKEIKA.auto')?.(-1),
    gameSaved: (number: string) => preferences.set('savedGameNumber', number || null),
    busy: () => app?.syncMenus(),
    stopped: (ended: boolean) => {
      if (ended) app?.commands.get('stopped')?.(-1);
    },
    question: (m: unknown) => {
      if (app) app.question = m;
      void app?.commands.get(m ? 'question.open' : 'question.close')?.(-1);
    },
  };
  // The host is handed to the core before the table exists: nothing is
  // asked before the start command below.
  let host: WebHost | null = null;
  const core = await loadCore(
    { ask: (kind, data) => host!.ask(kind, data), tell: (kind, data) => host?.tell(kind, data) },
    { store: storeFile },
  );
  performance.mark('zunpa-core');
  const files = await filesLoaded;
  performance.mark('zunpa-files');
  core.fs.mkdir(kAppDir);
  core.fs.mkdir(kDataDir);
  for (const [name, bytes] of files) core.fs.writeFile(`${kDataDir}/${name}`, bytes);
  // The site carries every sound the game asks for: the folder lists them.
  for (const name of core.query<string[]>('soundFiles')) core.fs.writeFile(`${kAppDir}/${name}`, new Uint8Array());

  const table = new Table(core, stage);
  performance.mark('zunpa-table-built');
  const menus = new MenuBar(core.query('menuBar'), document.getElementById('menus')!);
  const sound = new Sound();
  app = new App(core, table, menus, sound, live);
  host = new WebHost(table, sound, events, (text) => app!.announce(text));
  app.host = host;
  onModalClosed(() => app!.giveKeysToTable());
  table.motion = preferences.flag('cardMotion', true);
  sound.onAvailability = (present) => core.query('soundOutput', { present });
  core.query('soundOutput', { present: false });
  const unlock = () => {
    sound.unlock();
    sound.preload(core.query<string[]>('soundFiles'));
  };
  document.addEventListener('pointerdown', unlock, { once: true, capture: true });
  document.addEventListener('keydown', unlock, { once: true, capture: true });
  registerCommands(app);
  registerFeatures(app);
  installTestHooks(app);
  installKeys(table, menus, { choose: (name) => void app!.choose(name), draw: () => void app!.play('draw') });
  shell.classList.add('ready');
  table.fit();
  performance.mark('zunpa-table');
  await app.play('start', { appDir: kAppDir, dataDir: kDataDir });
  performance.mark('zunpa-started');
  table.surface.focus({ preventScroll: true });
  document.body.dataset.ready = 'true';
}

void boot();
