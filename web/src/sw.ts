// The site kept whole for play without a network: every file of this build
// fetched at install into a cache named after the build, then answered from
// there before the network is asked. A new build is a new list, so a new
// worker and a new cache; the old cache goes once no page uses it.
declare const self: ServiceWorkerGlobalScope;

interface PrecacheEntry {
  url: string; // relative to the worker's scope
  integrity: string; // sha256-…, so a half-updated server cannot mix two builds
}

// Filled in by the build (tools/precache.ts) with this build's files.
const kPrecache = '__ZUNPA_PRECACHE__' as unknown as { version: string; files: PrecacheEntry[] };
const kPrefix = 'zunpas-';
const kCache = `${kPrefix}${kPrecache.version}`;

function absolute(url: string): string {
  return new URL(url, self.registration.scope).href;
}

async function precache(): Promise<void> {
  const cache = await caches.open(kCache);
  await Promise.all(
    kPrecache.files.map(async ({ url, integrity }) => {
      // Past the HTTP cache: it may still hold the previous build's copy.
      const response = await fetch(absolute(url), { cache: 'reload', integrity });
      if (!response.ok) throw new Error(`${url}: ${response.status}`);
      await cache.put(absolute(url), response);
    }),
  );
}

async function dropOldCaches(): Promise<void> {
  for (const name of await caches.keys())
    if (name.startsWith(kPrefix) && name !== kCache) await caches.delete(name);
}

// A page's address is its file; the scope's own address is index.html.
function cacheKey(request: Request): string {
  const url = new URL(request.url);
  url.search = '';
  url.hash = '';
  if (request.mode === 'navigate' && url.pathname.endsWith('/')) url.pathname += 'index.html';
  return url.href;
}

async function answer(request: Request): Promise<Response> {
  const cache = await caches.open(kCache);
  const cached = await cache.match(cacheKey(request));
  return cached ?? fetch(request);
}

self.addEventListener('install', (event) => event.waitUntil(precache()));

// The first install takes the open page at once; a later build waits until
// no page of the previous one is open, as that page may still ask for its
// own files.
self.addEventListener('activate', (event) => event.waitUntil(dropOldCaches().then(() => self.clients.claim())));

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith(answer(request));
});

export {};
