// First load on 127.0.0.1 with a cold cache in headless chromium: the time
// from navigation to a table that takes clicks, and every byte the server
// sent (compressed), the service worker's precache of every picture and
// sound included. Usage: node bench/first_load.mjs [runs]
import { chromium } from 'playwright-core';
import { kSite } from '../tests/browser/harness.mjs';
import { serve } from '../tools/serve.mjs';

const runs = Number(process.argv[2] ?? 5);
const times = [];
const bytes = [];
for (let run = 0; run < runs; ++run) {
  const server = await serve(kSite);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  const page = await (await browser.newContext()).newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector('body[data-ready=true]');
  times.push(await page.evaluate(() => performance.getEntriesByName('zunpa-started')[0].startTime));
  if (run === 0)
    console.log(
      await page.evaluate(() =>
        performance.getEntriesByType('mark').map((m) => `${m.name} ${m.startTime.toFixed(0)}`).join(', '),
      ),
    );
  // Whatever the service worker fetches after the table is up counts too.
  await page.waitForTimeout(3000);
  bytes.push(server.bytesSent);
  await browser.close();
  server.close();
}
const stats = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return `min ${s[0].toFixed(0)}  median ${s[Math.floor(s.length / 2)].toFixed(0)}  max ${s[s.length - 1].toFixed(0)}`;
};
console.log(`table ready (ms from navigation): ${stats(times)}`);
console.log(`bytes sent (compressed):    ${stats(bytes)}`);
