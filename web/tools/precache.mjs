// Writes the list of the built site's files, each with its SHA-256, into
// sw.js once the site is written: the worker's cache is this list, and its
// name is a digest of it, so any changed file makes a new cache.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, relative, sep } from 'node:path';

const kWorker = 'sw.js';
// The place in sw.js: the source's placeholder, or the list of an earlier stamp.
const kPlace = /(["'`])__ZUNPA_PRECACHE__\1|\/\*precache\*\/.*?\/\*end\*\//s;

function filesUnder(folder) {
  return readdirSync(folder, { withFileTypes: true, recursive: true })
    .filter((entry) => entry.isFile())
    .map((entry) => join(entry.parentPath, entry.name));
}

// { version, files: [{ url, integrity }] } of the site in `site`, but sw.js.
export function precacheList(site) {
  const files = filesUnder(site)
    .map((path) => relative(site, path).split(sep).join('/'))
    .filter((url) => url !== kWorker)
    .sort()
    .map((url) => ({
      url: encodeURI(url),
      integrity: `sha256-${createHash('sha256').update(readFileSync(join(site, url))).digest('base64')}`,
    }));
  const version = createHash('sha256').update(JSON.stringify(files)).digest('hex').slice(0, 16);
  return { version, files };
}

// Writes this site's list into its sw.js; false when sw.js has no place for it.
export function stampWorker(site) {
  const worker = join(site, kWorker);
  const code = readFileSync(worker, 'utf8');
  if (!kPlace.test(code)) return false;
  const list = `/*precache*/${JSON.stringify(precacheList(site))}/*end*/`;
  writeFileSync(worker, code.replace(kPlace, () => list));
  return true;
}

/** @returns {import('vite').Plugin} */
export function precache() {
  return {
    name: 'zunpa-precache',
    apply: 'build',
    writeBundle: {
      order: 'post',
      handler(options) {
        if (!stampWorker(options.dir)) this.error(`${kWorker} has no place for the list of files`);
      },
    },
  };
}
