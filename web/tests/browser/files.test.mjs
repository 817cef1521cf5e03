// The data files out and in (ゲーム → 書き出し, 読み込み), files the core's
// readers refuse, stores the browser refuses, and the site without a
// network. Each case has a context of its own.
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { unzipSync, zipSync } from 'fflate';
import { chromium } from 'playwright-core';
import { stampWorker } from '../../tools/precache.mjs';
import { serve } from '../../tools/serve.mjs';
import { assert, kSite, modal, openPage, screenshot, settle, storedFiles, view, withBrowser } from './harness.mjs';

const kData = resolve(dirname(fileURLToPath(import.meta.url)), '../../../tests/data');
const data = (name) => readFileSync(join(kData, name));
// Files the desktop wrote, each read back and written again byte for byte.
const kGood = {
  'zunpas.ini': data('zunpas_populated.ini'),
  'Save.txt': data('save_populated.txt'),
  'SaveData.txt': data('savedata_round5.txt'),
  'score.dat': data('score_populated.dat'),
};
const kNames = Object.keys(kGood);
const kWarning = {
  'zunpas.ini':
    'エラーをトラップしました。zunpa.exeと同じフォルダにあるzunpas.iniの中身がおかしい可能性があります。削除してください。',
  'Save.txt':
    'エラーをトラップしました。zunpa.exeと同じフォルダにあるsave.txtの中身がおかしい可能性があります。削除してください。',
  'score.dat':
    'エラーをトラップしました。zunpas.exeと同じフォルダにあるscore.datの中身がおかしい可能性があります。削除してください。',
  'SaveData.txt': 'ファイルがありません！',
};
const kNotOurs = (names) =>
  `${names}\nは読み込めません。zunpas.ini、Save.txt、SaveData.txt、score.datか、それらをまとめたzipファイルを選んでください。`;
const kTaken = (names) => `${names.join('、')}を読み込みました。`;

const hex = (bytes) => Buffer.from(bytes).toString('hex');
const text = (bytes) => new TextDecoder('shift_jis').decode(bytes);
const utf8 = (bytes) => Buffer.from(text(bytes), 'utf8');
const utf16 = (bytes) => Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(text(bytes), 'utf16le')]);

async function chooseMenu(page, top, item) {
  await page.getByRole('menuitem', { name: top }).click();
  await page.getByRole('menuitem', { name: item }).click();
}

// 読み込み with `files` ({name: bytes}) picked.
async function bringIn(page, files) {
  const chooser = page.waitForEvent('filechooser');
  await chooseMenu(page, 'ｹﾞｰﾑ(G)', '読み込み(I)...');
  await (await chooser).setFiles(
    Object.entries(files).map(([name, bytes]) => ({
      name,
      mimeType: 'application/octet-stream',
      buffer: Buffer.from(bytes),
    })),
  );
}

// The messages shown from now until none is open, each closed by `answer`.
async function messages(page, answer = 'button.default') {
  const texts = [];
  await page.locator('dialog[open]').first().waitFor();
  while ((await page.locator('dialog[open]').count()) > 0) {
    const { dialog } = await modal(page);
    texts.push(await dialog.locator('.message-text').innerText());
    await dialog.locator(answer).first().click();
    await settle(page);
  }
  return texts;
}

// 書き出し: the zip's bytes and the files in it.
async function takeOut(page) {
  const download = page.waitForEvent('download');
  await chooseMenu(page, 'ｹﾞｰﾑ(G)', '書き出し(E)...');
  const file = await download;
  assert.equal(file.suggestedFilename(), 'zunpas-files.zip');
  const zip = readFileSync(await file.path());
  return { zip, files: unzipSync(zip) };
}

function assertStored(stored, files, what) {
  for (const [name, bytes] of Object.entries(files)) assert.equal(stored[name], hex(bytes), `${name}: ${what}`);
}

// A page whose IndexedDB holds the good files, brought in through the menu.
async function pageWithGoodFiles(browser, url, options = {}) {
  const opened = await openPage(browser, url, { acceptDownloads: true, ...options });
  await bringIn(opened.page, kGood);
  assert.deepEqual(await messages(opened.page), [kTaken(kNames)]);
  return opened;
}

async function roundTrip(browser, url) {
  const { context, page, errors } = await openPage(browser, url, { acceptDownloads: true });
  assert.equal((await view(page)).menus.enabled.mneCONTINUE, false);
  await bringIn(page, kGood);
  await page.locator('dialog[open]').waitFor();
  await screenshot(page, 'files-taken');
  assert.deepEqual(await messages(page), [kTaken(kNames)]);
  assertStored(await storedFiles(page), kGood, 'kept as brought in');
  const v = await view(page);
  assert.equal(v.menus.enabled.mneCONTINUE, true, 'つづき follows the saved game');
  assert.equal(v.menus.checks['flgSOKUDO.3'], true, 'the options follow the settings');
  assert.equal(v.menus.checks.flgMsgNi, true);
  assert.equal(v.menus.checks.flgMsgCS, false);
  const out = await takeOut(page);
  assert.deepEqual(Object.keys(out.files).sort(), [...kNames].sort());
  for (const name of kNames) assert.equal(hex(out.files[name]), hex(kGood[name]), `${name} in the zip`);
  // 終了 writes the settings and records from what the game holds: the
  // same bytes, so the game took them in.
  await chooseMenu(page, 'ｹﾞｰﾑ(G)', '終了(X)');
  await messages(page);
  assertStored(await storedFiles(page), kGood, 'written back by 終了');
  await screenshot(page, 'files-round-trip');
  assert.deepEqual(errors, []);
  await context.close();

  // The zip, brought into a page that has nothing yet.
  const fresh = await openPage(browser, url);
  await bringIn(fresh.page, { 'zunpas-files.zip': out.zip });
  assert.deepEqual(await messages(fresh.page), [kTaken(kNames)]);
  assertStored(await storedFiles(fresh.page), kGood, 'brought in from the zip');
  assert.deepEqual(fresh.errors, []);
  await fresh.context.close();
}

// What is brought in, and the messages it gets; the good files stay.
const kBadFiles = [
  ['garbled settings', { 'zunpas.ini': Buffer.from([0x81, 0x0d, 0x0a, 0xff, 0x00, 0x22]) }, [kWarning['zunpas.ini']]],
  ['truncated records', { 'Save.txt': kGood['Save.txt'].subarray(0, 100) }, [kWarning['Save.txt']]],
  [
    'an oversized table',
    { 'score.dat': Buffer.concat([kGood['score.dat'], Buffer.alloc(300 * 1024, 0x20)]) },
    [kWarning['score.dat']],
  ],
  ['a saved game in UTF-8', { 'SaveData.txt': utf8(kGood['SaveData.txt']) }, [kWarning['SaveData.txt']]],
  ['settings in UTF-16', { 'ZUNPAS.INI': utf16(kGood['zunpas.ini']) }, [kWarning['zunpas.ini']]],
  [
    'an oversized file in a zip',
    { 'a.zip': zipSync({ 'x/Save.txt': Buffer.alloc(300 * 1024, 0x30) }) },
    [kWarning['Save.txt']],
  ],
  ['a garbled zip', { 'b.zip': Buffer.from('PK\x03\x04 not a zip at all') }, [kNotOurs('b.zip')]],
  ['a file of another name', { 'notes.txt': kGood['Save.txt'] }, [kNotOurs('notes.txt')]],
];

async function badFiles(browser, url) {
  const { context, page, errors } = await pageWithGoodFiles(browser, url);
  const before = await view(page);
  for (const [what, files, expected] of kBadFiles) {
    await bringIn(page, files);
    assert.deepEqual(await messages(page), expected, what);
    assertStored(await storedFiles(page), kGood, `kept through ${what}`);
    assert.deepEqual((await view(page)).menus, before.menus, `the game as it was after ${what}`);
  }
  // Of a good file and a bad one, the good one is taken.
  const mixed = zipSync({ 'Save.txt': data('save_default.txt'), 'score.dat': Buffer.from('"1,2"\r\n') });
  await bringIn(page, { 'c.zip': mixed });
  await page.locator('dialog[open]').waitFor();
  await screenshot(page, 'files-bad-table');
  assert.deepEqual(await messages(page), [kWarning['score.dat'], kTaken(['Save.txt'])]);
  assertStored(await storedFiles(page), { ...kGood, 'Save.txt': data('save_default.txt') }, 'the good one taken');
  assert.deepEqual(errors, []);
  await context.close();
}

// IndexedDB refuses every write from when the page sets `zunpaRefuseStores`:
// put() throws, or its transaction is aborted.
function refuseStores() {
  const put = IDBObjectStore.prototype.put;
  IDBObjectStore.prototype.put = function (...args) {
    if (window.zunpaRefuseStores === 'throw') throw new DOMException('refused', 'QuotaExceededError');
    const request = put.apply(this, args);
    if (window.zunpaRefuseStores === 'abort') this.transaction.abort();
    return request;
  };
}

// How a store is refused, what writes, and the messages the desktop shows.
const kRefusedStores = [
  [
    'throw',
    '進行速度',
    async (page) => {
      await chooseMenu(page, 'ｵﾌﾟｼｮﾝ(O)', '進行速度(S)');
      await page.getByRole('menuitemcheckbox', { name: '特急' }).click();
    },
    ['ファイルにデータを書き込みできませんでした。'],
  ],
  [
    'abort',
    '読み込み',
    (page) => bringIn(page, { 'Save.txt': data('save_default.txt') }),
    ['ファイルに保存できませんでした。'],
  ],
  [
    'throw',
    '終了',
    (page) => chooseMenu(page, 'ｹﾞｰﾑ(G)', '終了(X)'),
    ['ズンパを終了します', 'ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？'],
  ],
];

async function refusedStores(browser, url) {
  for (const [how, what, act, expected] of kRefusedStores) {
    const { context, page, errors } = await pageWithGoodFiles(browser, url, { acceptDownloads: true });
    await context.addInitScript(refuseStores);
    await page.reload();
    await page.waitForSelector('body[data-ready=true]');
    await page.evaluate((mode) => (window.zunpaRefuseStores = mode), how);
    await act(page);
    // はい to 終了's question, いいえ to staying: the game stays open.
    const shown = [];
    await page.locator('dialog[open]').first().waitFor();
    while ((await page.locator('dialog[open]').count()) > 0) {
      const { dialog } = await modal(page);
      const text = await dialog.locator('.message-text').innerText();
      if (shown.length === 1 && what === '終了') await screenshot(page, 'files-refused-store');
      shown.push(text);
      const stay = text.endsWith('このまま終了しますか？');
      await dialog.locator(stay ? 'button:not(.default)' : 'button.default').click();
      await settle(page);
    }
    assert.deepEqual(shown, expected, `${what}, its store refused by ${how}`);
    assertStored(await storedFiles(page), kGood, `the previous files kept through ${what}`);
    assert.notEqual(await page.evaluate(() => document.body.dataset.stopped), 'true', 'the game stays open');
    // The game's folder kept the previous files as well.
    const out = await takeOut(page);
    for (const name of kNames)
      assert.equal(hex(out.files[name]), hex(kGood[name]), `${name} in the game's folder after ${what}`);
    assert.deepEqual(errors, []);
    await context.close();
  }
}

// Polls `condition`, which may be async (waitForFunction takes a promise for true).
async function until(page, condition, arg) {
  for (let tries = 0; !(await page.evaluate(condition, arg)); ++tries) {
    if (tries === 100) throw new Error(`never came: ${condition}`);
    await new Promise((done) => setTimeout(done, 100));
  }
}

// A copy of the site, served apart, since the case stops its server.
async function offline(browser) {
  const site = mkdtempSync(join(tmpdir(), 'zunpa-site-'));
  cpSync(kSite, site, { recursive: true });
  let server = await serve(site);
  const port = server.address().port;
  const url = `http://127.0.0.1:${port}/`;
  const stop = () => {
    server.closeAllConnections();
    server.close();
  };
  try {
    const { context, page, errors } = await openPage(browser, url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    // Each cache's name and how many files it holds.
    const kept = () =>
      page.evaluate(async () =>
        Promise.all((await caches.keys()).map(async (name) => [name, (await (await caches.open(name)).keys()).length])),
      );
    const [[first, count]] = await kept();
    assert.match(first, /^zunpas-[0-9a-f]{16}$/);
    const listed = readFileSync(join(site, 'sw.js'), 'utf8').match(/"url":/g).length;
    assert.equal(count, listed, 'every file of the site kept');

    stop();
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready=true]');
    const v = await view(page);
    assert.equal(v.seats.length, 4, 'the table drawn without a network');
    const pictures = () => [...document.images].filter((image) => image.getAttribute('src'));
    await page.waitForFunction(`(${pictures})().every((image) => image.complete && image.naturalWidth > 0)`);
    assert.ok((await page.evaluate(`(${pictures})().length`)) > 0, 'the table shows its pictures');
    await screenshot(page, 'files-offline');

    // A new build: the page open now keeps its own files until it closes;
    // the next one has the new build's alone.
    await context.setOffline(false);
    const manual = join(site, 'Zunpas.html');
    writeFileSync(manual, readFileSync(manual, 'utf8').replace('</body>', '<p id="new-build"></p></body>'));
    assert.ok(stampWorker(site));
    server = await serve(site, port);
    await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await until(page, async () => (await navigator.serviceWorker.getRegistration()).waiting !== null);
    const both = (await kept()).map(([name]) => name);
    assert.equal(both.length, 2, 'the new cache beside the one the open page uses');
    assert.ok(both.includes(first));
    await page.close();
    const next = await context.newPage();
    await next.goto(url);
    await next.waitForSelector('body[data-ready=true]');
    await until(next, (old) => caches.keys().then((names) => names.length === 1 && names[0] !== old), first);
    stop();
    await context.setOffline(true);
    await next.goto(`${url}Zunpas.html`);
    assert.equal(await next.locator('#new-build').count(), 1, "the new build's manual, without a network");
    assert.deepEqual(errors, []);
    await context.close();
  } finally {
    stop();
    rmSync(site, { recursive: true, force: true });
  }
}

// Chromium's own judgement, which a context off the record never gives:
// a profile of its own, kept for the case alone.
async function installable(url) {
  const profile = mkdtempSync(join(tmpdir(), 'zunpa-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox'],
  });
  try {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-ready=true]');
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, [], 'the manifest reads without errors');
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, [], 'installable');
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

await withBrowser(async ({ browser, url }) => {
  await roundTrip(browser, url);
  await badFiles(browser, url);
  await refusedStores(browser, url);
  await offline(browser);
  await installable(url);
});
console.log('files: 5 passed, 0 failed');
