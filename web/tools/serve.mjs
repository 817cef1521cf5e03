// A static server for the built site, on 127.0.0.1 only: what any host of
// static files does, and nothing more (scripts/web.sh and the tests).
import { readFileSync, statSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.wav': 'audio/wav',
  '.opus': 'audio/ogg',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
};

// Compressed as any static host does, once a file.
const kCompressed = new Set(['.html', '.js', '.css', '.wasm', '.webmanifest', '.json', '.wav']);

export function serve(root, port = 0) {
  const base = resolve(root);
  const gzipped = new Map();
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = normalize(join(base, path));
    if (!file.startsWith(base)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      let body = readFileSync(file);
      const headers = { 'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' };
      if (kCompressed.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        if (!gzipped.has(file)) gzipped.set(file, gzipSync(body, { level: 9 }));
        body = gzipped.get(file);
        headers['Content-Encoding'] = 'gzip';
      }
      headers['Content-Length'] = body.length;
      server.bytesSent += body.length;
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  // What went over the wire, compressed: the benchmarks read it.
  server.bytesSent = 0;
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] && import.meta.url === `file://${resolve(process.argv[1])}`) {
  const server = await serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8080));
  console.log(`ズンパＳ: http://127.0.0.1:${server.address().port}/`);
}
