// ゲーム → 書き出し and 読み込み: the four data files out as one zip, and
// in from a zip or the files themselves. What comes in is checked by the
// core, file by file, before it replaces anything.
import { preferences, type App } from './app';
import { kDataDir } from './core';
import { type DataFileName, packDataFiles, readPicked } from './data_zip';
import { showMessage } from './dialogs/message';
import { kDataFiles } from './files';

const kZipName = 'zunpas-files.zip';
const kTitle = 'ズンパＳ';

function tell(app: App, text: string, icon: 'Information' | 'Exclamation'): Promise<string> {
  return showMessage({ text, title: kTitle, buttons: 'Ok', icon, asked: 'None' }, (line) => app.announce(line));
}

function heldFiles(app: App): Map<DataFileName, Uint8Array> {
  const files = new Map<DataFileName, Uint8Array>();
  for (const name of kDataFiles) {
    try {
      files.set(name, app.core.fs.readFile(`${kDataDir}/${name}`));
    } catch {
      // Not written yet.
    }
  }
  return files;
}

function download(bytes: Uint8Array, name: string): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: 'application/zip' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

async function exportFiles(app: App): Promise<void> {
  const files = heldFiles(app);
  if (files.size === 0) {
    await tell(app, '書き出すファイルがまだありません。', 'Information');
    return;
  }
  download(packDataFiles(files), kZipName);
}

function importAllowed(app: App): boolean {
  return !app.core.busy && app.core.query('view').menus.enabled.mneIMPORT === true;
}

async function importFiles(app: App, picked: File[]): Promise<void> {
  const { files, notOurs } = await readPicked(picked);
  if (notOurs.length > 0)
    await tell(
      app,
      `${notOurs.join('、')}\nは読み込めません。${kDataFiles.join('、')}か、それらをまとめたzipファイルを選んでください。`,
      'Exclamation',
    );
  const taken: string[] = [];
  for (const file of files) {
    // The game may have moved on while the picker was open.
    if (!importAllowed(app)) {
      await tell(app, 'ゲームが進んでいる間は読み込めません。', 'Exclamation');
      break;
    }
    const args = { name: file.name, bytes: file.bytes ? Array.from(file.bytes) : null };
    if (!(await app.play('import', args))) continue;
    taken.push(file.name);
    // The saved game's number belongs to the game that wrote it, not to this one.
    if (file.name === 'SaveData.txt') preferences.set('savedGameNumber', null);
  }
  if (taken.length > 0) await tell(app, `${taken.join('、')}を読み込みました。`, 'Information');
}

function filePicker(app: App): HTMLInputElement {
  const input = document.createElement('input');
  input.type = 'file';
  input.multiple = true;
  input.accept = ['.zip', ...new Set(kDataFiles.map((name) => name.slice(name.lastIndexOf('.'))))].join(',');
  input.hidden = true;
  input.addEventListener('change', () => {
    const picked = [...(input.files ?? [])];
    input.value = '';
    if (picked.length > 0) void importFiles(app, picked).finally(() => app.giveKeysToTable());
  });
  document.body.append(input);
  return input;
}

export function registerDataTransfer(app: App): void {
  const picker = filePicker(app);
  app.commands.set('mneEXPORT', () => exportFiles(app));
  // Opened at once, while the click still lets the page open a picker.
  app.commands.set('mneIMPORT', () => picker.click());
}
