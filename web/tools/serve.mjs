// A static server for the built site, on 127.0.0.1 only: what any host of
// static files does, and nothing more (scripts/web.sh and the tests).
import { createReadStream, statSync } from 'node:fs';
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

export function serve(root, port = 0) {
  const base = resolve(root);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = normalize(join(base, path));
    if (!file.startsWith(base)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const size = statSync(file).size;
      response.writeHead(200, {
        'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream',
        'Content-Length': size,
        'Cache-Control': 'no-cache',
      });
      createReadStream(file).pipe(response);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] && import.meta.url === `file://${resolve(process.argv[1])}`) {
  const server = await serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8080));
  console.log(`ズンパＳ: http://127.0.0.1:${server.address().port}/`);
}
