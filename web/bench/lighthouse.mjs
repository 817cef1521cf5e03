// Lighthouse's judgement of the page, served on 127.0.0.1 as a static host
// would (compressed). Its default run plays a phone on a slow network.
// Usage: (cd bench/judges && npm ci) once, then node bench/lighthouse.mjs
import { execFileSync } from 'node:child_process';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { kSite } from '../tests/browser/harness.mjs';
import { serve } from '../tools/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const server = await serve(kSite);
try {
  const report = JSON.parse(
    execFileSync(
      resolve(here, 'judges/node_modules/.bin/lighthouse'),
      [
        `http://127.0.0.1:${server.address().port}/`,
        '--chrome-flags=--headless=new --no-sandbox --disable-dev-shm-usage --disable-gpu',
        '--only-categories=performance,accessibility,best-practices',
        '--output=json',
        '--quiet',
      ],
      { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 64 << 20, encoding: 'utf8' },
    ),
  );
  for (const [id, category] of Object.entries(report.categories))
    console.log(`${id.padEnd(16)} ${Math.round(category.score * 100)}`);
  for (const [id, audit] of Object.entries(report.audits))
    if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode !== 'informative' && audit.scoreDisplayMode !== 'manual')
      console.log(`  ${id}: ${audit.displayValue ?? ''} ${audit.title}`);
  for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'speed-index'])
    console.log(`${id}: ${report.audits[id]?.displayValue}`);
} finally {
  server.close();
}
