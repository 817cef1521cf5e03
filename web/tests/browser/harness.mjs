// What every browser test shares: the built site served on 127.0.0.1, and
// Debian's chromium driven by playwright-core. Each test gets a browser
// context of its own, so no IndexedDB, localStorage or cache is shared.
import assert from 'node:assert/strict';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../tools/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const kSite = resolve(process.env.ZUNPA_SITE ?? resolve(here, '../../../build-web/site'));

export async function withBrowser(run) {
  const server = await serve(kSite);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'],
  });
  try {
    await run({ browser, url, server });
  } finally {
    await browser.close();
    server.close();
  }
}

// A page of a fresh context, failing the test on any error the page reports.
export async function openPage(browser, url, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 720 }, ...options });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(m.text());
  });
  await page.goto(url);
  await page.waitForSelector('body[data-ready=true]');
  return { context, page, errors };
}

// The table as the core describes it now.
export function view(page) {
  return page.evaluate(() => window.zunpaTest.view());
}

// Waits until nothing runs and the user is to act (or a dialog is up).
export async function settle(page) {
  await page.waitForFunction(() => window.zunpaTest.idle());
}

// The next modal dialog's title and text.
export async function modal(page) {
  const dialog = page.locator('dialog[open]').last();
  await dialog.waitFor();
  return { dialog, title: await dialog.locator('.modal-title').innerText(), text: await dialog.innerText() };
}

// The four data files in IndexedDB, as bytes (hex), by name.
export function storedFiles(page) {
  return page.evaluate(() => window.zunpaTest.storedFiles());
}

export function screenshot(page, name) {
  return page.screenshot({ path: resolve(process.env.ZUNPA_SHOTS ?? '/tmp', `${name}.png`) });
}

export { assert };
