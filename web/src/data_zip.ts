// The data files in one zip, and a picked file (a zip of them, or one of
// them by its name) as the files it brings.
import { unzipSync, zipSync } from 'fflate';
import { baseName, kDataFiles } from './files';

export type DataFileName = (typeof kDataFiles)[number];

// What the core reads of a data file; a larger one is unreadable to it.
export const kMaxDataFileBytes = 256 * 1024;
// Four files at most that size, stored, and their headers.
const kMaxZipBytes = 4 * kMaxDataFileBytes + 64 * 1024;

// A file brought in: null bytes for one too large to be read.
export interface BroughtFile {
  name: DataFileName;
  bytes: Uint8Array | null;
}

// The desktop's folders are not particular about case.
export function dataFileNamed(path: string): DataFileName | null {
  const base = baseName(path.replace(/\\/g, '/')).toLowerCase();
  return kDataFiles.find((name) => name.toLowerCase() === base) ?? null;
}

export function packDataFiles(files: Map<DataFileName, Uint8Array>): Uint8Array {
  return zipSync(Object.fromEntries(files));
}

function isZip(bytes: Uint8Array): boolean {
  return bytes.length >= 4 && bytes[0] === 0x50 && bytes[1] === 0x4b && bytes[2] === 0x03 && bytes[3] === 0x04;
}

// The data files in a zip, or null when it is not a zip that can be read.
export function unpackDataFiles(zip: Uint8Array): BroughtFile[] | null {
  if (zip.length > kMaxZipBytes || !isZip(zip)) return null;
  const tooLarge: BroughtFile[] = [];
  try {
    const read = unzipSync(zip, {
      filter: (entry) => {
        const name = dataFileNamed(entry.name);
        if (name && entry.originalSize > kMaxDataFileBytes) tooLarge.push({ name, bytes: null });
        return name !== null && entry.originalSize <= kMaxDataFileBytes;
      },
    });
    const files = Object.entries(read).map(([path, bytes]) => ({
      name: dataFileNamed(path)!,
      bytes: bytes.length <= kMaxDataFileBytes ? bytes : null,
    }));
    return [...tooLarge, ...files];
  } catch {
    return null;
  }
}

export interface Picked {
  files: BroughtFile[];
  notOurs: string[]; // names of picked files that are neither a data file nor a zip of them
}

// What the picked files bring: one of each name, the last picked winning.
export async function readPicked(picked: File[]): Promise<Picked> {
  const byName = new Map<DataFileName, BroughtFile>();
  const notOurs: string[] = [];
  for (const file of picked) {
    const name = dataFileNamed(file.name);
    if (name) {
      const bytes = file.size <= kMaxDataFileBytes ? new Uint8Array(await file.arrayBuffer()) : null;
      byName.set(name, { name, bytes });
      continue;
    }
    const head = file.size <= kMaxZipBytes ? new Uint8Array(await file.arrayBuffer()) : new Uint8Array();
    const inside = unpackDataFiles(head);
    if (!inside || inside.length === 0) notOurs.push(file.name);
    for (const brought of inside ?? []) byName.set(brought.name, brought);
  }
  const files = kDataFiles.flatMap((name) => (byName.has(name) ? [byName.get(name)!] : []));
  return { files, notOurs };
}
