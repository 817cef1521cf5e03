// The four data files, kept as their own bytes under their own names in
// IndexedDB. A store counts only once its transaction has completed; a
// browser that refuses (quota, private mode, storage blocked) gets false,
// and the record there stays as it was.
const kDatabase = 'zunpas';
const kStore = 'files';

export const kDataFiles = ['zunpas.ini', 'Save.txt', 'SaveData.txt', 'score.dat'] as const;

let opened: Promise<IDBDatabase | null> | null = null;

function open(): Promise<IDBDatabase | null> {
  opened ??= new Promise((resolve) => {
    try {
      const request = indexedDB.open(kDatabase, 1);
      request.onupgradeneeded = () => request.result.createObjectStore(kStore);
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => resolve(null);
      request.onblocked = () => resolve(null);
    } catch {
      resolve(null);
    }
  });
  return opened;
}

export function baseName(path: string): string {
  return path.slice(path.lastIndexOf('/') + 1);
}

export async function storeFile(path: string, bytes: Uint8Array): Promise<boolean> {
  const db = await open();
  if (!db) return false;
  return new Promise((resolve) => {
    try {
      const tx = db.transaction(kStore, 'readwrite', { durability: 'strict' });
      tx.objectStore(kStore).put(bytes, baseName(path));
      tx.oncomplete = () => resolve(true);
      tx.onerror = () => resolve(false);
      tx.onabort = () => resolve(false);
    } catch {
      resolve(false);
    }
  });
}

// Every file kept, by name; none when the browser keeps nothing.
export async function loadFiles(): Promise<Map<string, Uint8Array>> {
  const files = new Map<string, Uint8Array>();
  const db = await open();
  if (!db) return files;
  await new Promise<void>((resolve) => {
    try {
      const tx = db.transaction(kStore, 'readonly');
      const cursor = tx.objectStore(kStore).openCursor();
      cursor.onsuccess = () => {
        const at = cursor.result;
        if (!at) return;
        if (typeof at.key === 'string' && at.value instanceof Uint8Array) files.set(at.key, at.value);
        at.continue();
      };
      tx.oncomplete = () => resolve();
      tx.onerror = () => resolve();
      tx.onabort = () => resolve();
    } catch {
      resolve();
    }
  });
  return files;
}
