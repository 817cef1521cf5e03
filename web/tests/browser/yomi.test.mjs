// 読み in the page: the worker's answers equal the desktop's for the same
// bytes (hints, questions' lines and ふりかえり); ﾋﾝﾄ rings the choice, tags
// every choice and moves the keys there; 問いにも読み's line is one line in
// view; ふりかえり lists what the desktop lists. Prints the worker's times:
// they are figures for the docs, never asserted.
// The desktop's numbers come from zunpa-yomi-advice in the native build
// (ZUNPA_NATIVE_BUILD, default build/).
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { assert, modal, openPage, screenshot, settle, view, withBrowser } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const kNative = resolve(process.env.ZUNPA_NATIVE_BUILD ?? resolve(here, '../../../build'), 'zunpa-yomi-advice');

function native(mode, request, args = []) {
  if (!existsSync(kNative)) throw new Error(`${kNative} is missing: cmake --build build --target zunpa-yomi-advice, or set ZUNPA_NATIVE_BUILD`);
  const out = execFileSync(kNative, [mode, ...args], { input: request ? JSON.stringify(request) : '', maxBuffer: 1 << 28 });
  return out.toString().trim().split('\n').map((line) => JSON.parse(line));
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor((sorted.length - 1) / 2)];
}

const ask = (page, request) => page.evaluate((r) => window.zunpaYomiTest.ask(r), request);
const decisionOf = (d) => ({ input: d.input, question: d.question, chosen: d.chosen });

// Every decision of a game 読み plays, asked of the worker in the page one
// after another; each answer as the desktop gives it.
async function workerMatchesDesktop(browser, url) {
  const lines = native('decisions', null, ['1']);
  const decisions = lines.filter((l) => 'input' in l);
  const lookBack = lines.find((l) => 'lookBack' in l).lookBack;
  assert.ok(decisions.length > 50, `only ${decisions.length} decisions`);
  const { context, page, errors } = await openPage(browser, url);
  const replies = await page.evaluate(async (all) => {
    const out = [];
    for (const d of all) {
      const base = { input: d.input, seed: d.seed };
      const advice = await window.zunpaYomiTest.ask({ op: 'advice', question: d.question, ...base });
      const adviceMs = window.zunpaYomiTest.times.thinks.at(-1);
      const hint = d.question === 0 ? await window.zunpaYomiTest.ask({ op: 'hint', ...base }) : null;
      out.push({ advice, hint, adviceMs, ms: window.zunpaYomiTest.times.thinks.at(-1) });
    }
    return out;
  }, decisions);
  let moves = 0;
  decisions.forEach((d, i) => {
    assert.equal(replies[i].advice.line, d.line, `decision ${i}`);
    if (d.question !== 0) return;
    assert.deepEqual(replies[i].hint, d.hint, `hint ${i}`);
    ++moves;
  });
  const hintTimes = replies.filter((r, i) => decisions[i].question === 0 && decisions[i].hint.tags.length > 1).map((r) => r.ms);
  // As zunpa-yomi-bench counts them: every decision with two choices or more.
  const choiceTimes = replies.filter((r, i) => decisions[i].line.includes('／')).map((r) => r.adviceMs);
  const rows = await ask(page, { op: 'lookBack', decisions: decisions.map(decisionOf) });
  assert.deepEqual(rows.rows, lookBack);
  assert.match(rows.status, lookBack.length ? new RegExp(`^読みの手が10点以上よかった場面：${lookBack.length}$`) : /^読みとの差がはっきりした手はありません。$/);
  const lookBackMs = await page.evaluate(() => window.zunpaYomiTest.times.thinks.at(-1));

  // Bad bytes get a clear refusal, and the worker goes on.
  const bad = await ask(page, { op: 'hint', input: decisions[0].input.slice(0, 20), seed: '1' });
  assert.match(bad.error, /bytes/);
  assert.equal((await ask(page, { op: 'advice', question: 0, input: decisions[0].input, seed: decisions[0].seed })).line, decisions[0].line);

  // A ふりかえり cut short: the worker is ended and a new one answers the next hint.
  const restart = await page.evaluate(async (all) => {
    const t = window.zunpaYomiTest;
    const dropped = t.ask({ op: 'lookBack', decisions: all });
    await new Promise((r) => setTimeout(r, 100));
    const cutAt = performance.now();
    t.cancel();
    const first = all.find((d) => d.question === 0);
    const hint = await t.ask({ op: 'hint', input: first.input, seed: '5' });
    return { dropped: await dropped, hint, ms: performance.now() - cutAt, starts: t.times.starts };
  }, decisions.map((d) => ({ ...decisionOf(d), seed: d.seed })));
  assert.equal(restart.dropped, null);
  assert.ok(restart.hint.best !== undefined && !restart.hint.error);
  assert.equal(restart.starts.length, 2, `the cut worker was replaced: ${JSON.stringify(restart)}`);
  assert.deepEqual(errors, []);
  await context.close();
  console.log(
    `worker: start ${restart.starts[0].toFixed(0)} ms, restart ${restart.starts[1].toFixed(0)} ms ` +
      `(cut to next hint ${restart.ms.toFixed(0)} ms); hint median ${median(hintTimes).toFixed(1)} ms, ` +
      `max ${Math.max(...hintTimes).toFixed(1)} ms over ${hintTimes.length} moves with a choice; ` +
      `any decision with a choice median ${median(choiceTimes).toFixed(1)} ms over ${choiceTimes.length}; ` +
      `ふりかえり of ${decisions.length} decisions ${(lookBackMs / 1000).toFixed(2)} s; ${moves} moves compared`,
  );
}

async function chooseMenu(page, key) {
  await page.evaluate((k) => document.querySelector(`[data-key="${k}"]`).click(), key);
}

// Plays on, answering every box with its default button, until the user
// is to move or `stop` says a box is the one wanted.
async function playUntil(page, stop, limit = 400) {
  for (let i = 0; i < limit; ++i) {
    await settle(page);
    const open = await page.locator('dialog[open]').count();
    if (open > 0) {
      const { dialog, title, text } = await modal(page);
      if (await stop(dialog, title, text)) return dialog;
      const handle = await dialog.elementHandle();
      await page.keyboard.press('Enter');
      await page.waitForFunction((d) => !d.isConnected || !d.open, handle);
      continue;
    }
    const v = await view(page);
    if (v.stops.length > 0) {
      if (await stop(null)) return null;
      // A suit-change card when there is one, for its question, the
      // longest line; else the first card that may be played, or めくる.
      const jack = v.stops.find((stop) => stop !== 'draw' && stop % 100 === 11);
      if (jack) {
        await page.focus(`button[data-code="${jack}"]`);
        await page.keyboard.press('Enter');
      } else {
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('Enter');
      }
      continue;
    }
    await page.waitForTimeout(50);
  }
  await screenshot(page, 'yomi-stuck');
  throw new Error(`the game never came to what the test waits for: ${JSON.stringify((await view(page)).stops)}`);
}

function rectOf(page, selector) {
  return page.evaluate((s) => {
    const r = document.querySelector(s)?.getBoundingClientRect();
    return r ? { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height } : null;
  }, selector);
}

async function hintOnTheTable(page) {
  await page.keyboard.press('h');
  await page.waitForSelector('.yomi-ring');
  const v = await view(page);
  const shown = await page.evaluate(() => {
    const active = document.activeElement;
    const stop = active.id === 'cmdMEKU' ? 'draw' : Number(active.dataset.code);
    const tags = [...document.querySelectorAll('.yomi-worth')].map((t) => ({
      stop: t.dataset.stop === 'draw' ? 'draw' : Number(t.dataset.stop),
      text: t.textContent,
      best: t.classList.contains('best'),
    }));
    return { stop, tags, description: active.getAttribute('aria-description'), live: document.getElementById('live').textContent };
  });
  assert.ok(v.stops.includes(shown.stop), `the keys are on ${shown.stop}, not on a stop`);
  const table = await page.evaluate(() => window.zunpaYomiTest.table());
  const [desktop] = native('ask', { input: table.input, question: 0, seed: table.seed });
  assert.equal(shown.stop, desktop.hint.best);
  assert.deepEqual(shown.tags, desktop.hint.tags);
  assert.equal(shown.tags.length, v.stops.length > 1 ? v.stops.length : 0);
  assert.match(shown.description, /ヒント/);
  assert.ok(shown.live.includes(`ヒント：${desktop.hint.words}`), shown.live);
  // The ring stands just outside the chosen card's visible part.
  const ring = await rectOf(page, '.yomi-ring');
  const target = await rectOf(page, shown.stop === 'draw' ? '#cmdMEKU' : `button[data-code="${shown.stop}"]`);
  for (const [a, b] of [
    [target.left, ring.left],
    [ring.right, target.right],
    [target.top, ring.top],
    [ring.bottom, target.bottom],
  ])
    assert.ok(a - b > 2 && a - b < 30, `ring ${JSON.stringify(ring)} around ${JSON.stringify(target)}`);
  return shown;
}

async function adviceOnAQuestion(page) {
  await chooseMenu(page, 'mneYOMI');
  assert.equal(await page.getAttribute('[data-key="mneYOMI"]', 'aria-checked'), 'true');
  const dialog = await playUntil(
    page,
    async (box) => box !== null && (await page.evaluate(() => window.zunpaYomiTest.question()?.suitChoice === true)),
  );
  await page.waitForFunction(() => /^読み：(?!…)/.test(document.getElementById('lblYOMI').textContent));
  const table = await page.evaluate(() => window.zunpaYomiTest.table());
  const [desktop] = native('ask', { input: table.input, question: table.question, seed: table.seed });
  const line = await page.evaluate(() => {
    const el = document.getElementById('lblYOMI');
    const range = document.createRange();
    range.selectNodeContents(el);
    const r = range.getBoundingClientRect();
    const rect = { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
    const lines = new Set([...range.getClientRects()].map((c) => Math.round(c.top))).size;
    return { text: el.textContent, lines, rect, fits: el.scrollWidth <= el.clientWidth };
  });
  assert.equal(line.text, desktop.line);
  assert.equal(line.lines, 1, 'one line');
  assert.ok(line.fits, 'wholly in its place');
  const apart = (a, b) => !b || b.width === 0 || a.bottom <= b.top || a.top >= b.bottom || a.right <= b.left || a.left >= b.right;
  assert.ok(apart(line.rect, await rectOf(page, '#cmdMEKU')), 'not under めくる');
  assert.ok(apart(line.rect, await rectOf(page, 'dialog[open]')), 'not under the box');
  const cards = await page.evaluate(() =>
    [...document.querySelectorAll('img.card:not([hidden])')].map((c) => c.getBoundingClientRect().toJSON()),
  );
  assert.ok(cards.every((c) => apart(line.rect, c)), 'over no card');
  const table_ = await rectOf(page, '.table');
  assert.ok(line.rect.left >= table_.left && line.rect.right <= table_.right, 'on the table');
  await screenshot(page, 'yomi-question');
  return dialog;
}

withBrowser(async ({ browser, url }) => {
  await workerMatchesDesktop(browser, url);

  const { page, errors } = await openPage(browser, url);
  await chooseMenu(page, 'flgSOKUDO.0');
  await page.keyboard.press('F2');
  await playUntil(page, async (dialog) => dialog === null);
  await hintOnTheTable(page);
  await screenshot(page, 'yomi-hint');
  // A move takes the hint away, and a hint asked just before a move never comes.
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('.yomi-ring, .yomi-worth').count(), 0);
  await playUntil(page, async (dialog) => dialog === null);
  // Until the worker answered, or was ended and ready again.
  const before = await page.evaluate(() => window.zunpaYomiTest.times.thinks.length + window.zunpaYomiTest.times.starts.length);
  await page.keyboard.press('h');
  await page.keyboard.press('d');
  await page.waitForFunction((n) => window.zunpaYomiTest.times.thinks.length + window.zunpaYomiTest.times.starts.length > n, before);
  assert.equal(await page.locator('.yomi-ring, .yomi-worth').count(), 0, 'a hint for a table gone');

  await adviceOnAQuestion(page);
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('lblYOMI').textContent === '');

  // ふりかえり of the game so far, as the desktop lists it.
  await playUntil(page, async (dialog) => dialog === null);
  const decisions = await page.evaluate(() => window.zunpaYomiTest.decisions());
  await chooseMenu(page, 'mneFURIKAERI');
  const { dialog, title } = await modal(page);
  assert.equal(title, 'ふりかえり');
  await page.waitForSelector('dialog[open][data-done=true]');
  const [rows] = native('lookback', decisions);
  const listed = await dialog.locator('tbody tr').evaluateAll((trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
  assert.deepEqual(listed, rows.map((r) => [String(r.round), r.situation, r.chosen, r.preferred, r.difference]));
  await screenshot(page, 'yomi-look-back');
  await page.keyboard.press('Enter');
  assert.deepEqual(errors, []);
});
