// The windows beside the table: 得点表 and 経過 in the side column, 得点ｸﾞﾗﾌ
// and the character sheet as dialogs; on the empty table, in a game
// continued from a saved file, and on a phone's screen both ways up.
import { readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { assert, modal, openPage, screenshot, view, withBrowser } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
// The user's name made too long for its column: つばめ (CP932) four times.
const kTsubame = [0x82, 0xc2, 0x82, 0xce, 0x82, 0xdf];
const kUser = 'つばめ'.repeat(4);
const kSavedGame = (() => {
  const bytes = [...readFileSync(resolve(here, '../../../tests/data/savedata_round5.txt'))];
  const at = bytes.findIndex((_, i) => kTsubame.every((b, j) => bytes[i + j] === b));
  bytes.splice(at, kTsubame.length, ...kTsubame, ...kTsubame, ...kTsubame, ...kTsubame);
  return bytes;
})();

async function choose(page, key) {
  const item = page.locator(`[data-key="${key}"]`);
  await page.locator('.menubar > li', { has: item }).locator('> .menu-title').click();
  await item.click();
}

function sideHasFocus(page) {
  return page.evaluate(() => document.getElementById('side').contains(document.activeElement));
}

async function emptyTable(browser, url) {
  const { page, context, errors } = await openPage(browser, url);

  // 得点表: four seats' columns over twenty rounds, the legend, and the keys
  // back to the table with Esc.
  await choose(page, 'mneKEIKA');
  const scores = page.locator('#score-panel');
  await scores.waitFor();
  assert.equal(await scores.locator('h2').innerText(), '得点表');
  assert.equal(await scores.locator('thead th.seat-name').count(), 4);
  assert.deepEqual(
    await scores.locator('tbody th').allInnerTexts(),
    Array.from({ length: 20 }, (_, i) => String(i + 1)),
  );
  const legend = await scores.locator('.score-legend li').evaluateAll((lines) =>
    lines.map((li) => [li.textContent, getComputedStyle(li).color]),
  );
  assert.deepEqual(legend.slice(0, 3), [
    ['青色…ズンパ勝ち', 'rgb(0, 0, 255)'],
    ['緑色…あがり勝ち', 'rgb(0, 128, 0)'],
    ['赤色…ズンパ負け', 'rgb(208, 0, 0)'],
  ]);
  assert.deepEqual(
    legend.slice(3).map(([text]) => text),
    ['字小or大…点半減or倍', 'Italic…ズンパ返し'],
  );
  assert.ok(await sideHasFocus(page), 'the score table chosen from the menu takes the keys');
  await page.keyboard.press('Escape');
  assert.ok(!(await sideHasFocus(page)), 'Esc gives the keys back to the table');
  await page.getByRole('button', { name: '得点表を閉じる' }).click();
  assert.equal(await scores.count(), 0);
  assert.ok(await page.locator('#side').evaluate((side) => getComputedStyle(side).display === 'none'));

  // 経過: a check item the page keeps, remembered across visits.
  await page.keyboard.press('Alt+v');
  await page.keyboard.press('l');
  const log = page.locator('#log-panel');
  await log.waitFor();
  assert.equal(await page.locator('[data-key="mneLOG"]').getAttribute('aria-checked'), 'true');
  const list = log.locator('ol');
  assert.equal(await list.getAttribute('aria-live'), 'off');
  assert.equal(await page.getByRole('list', { name: '経過' }).count(), 1);
  const room = await list.evaluate((ol) => ol.clientWidth / parseFloat(getComputedStyle(ol).fontSize));
  assert.ok(room >= 19.5, `the log has room for ${room.toFixed(1)} full-width characters a line`);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await log.waitFor();
  assert.equal(await page.locator('[data-key="mneLOG"]').getAttribute('aria-checked'), 'true');
  await page.getByRole('button', { name: '経過を閉じる' }).click();
  assert.equal(await log.count(), 0);
  assert.equal(await page.locator('[data-key="mneLOG"]').getAttribute('aria-checked'), 'false');
  assert.equal(await page.evaluate(() => localStorage.getItem('zunpas.logPanel')), 'false');

  // 得点ｸﾞﾗﾌ with nothing yet to draw.
  await choose(page, 'mneCHART');
  let dialog = await modal(page);
  assert.equal(dialog.title, '得点ｸﾞﾗﾌ');
  const chart = dialog.dialog.getByRole('img');
  assert.match(await chart.getAttribute('aria-label'), /まだ得点がありません/);
  const ticks = await chart.locator('text').allTextContents();
  for (const tick of ['0', '10', '50', '20', 'ラウンド', '得点']) assert.ok(ticks.includes(tick), `the chart shows ${tick}`);
  assert.deepEqual(await dialog.dialog.locator('.chart-legend li').allInnerTexts(), [
    '半減',
    '倍増',
    'ズンパ勝ち',
    'ズンパ返し',
    'ズンパ負け',
    'ズンパの回',
  ]);
  await dialog.dialog.locator('summary').click();
  assert.equal(await dialog.dialog.locator('.chart-table-body').innerText(), 'まだ得点がありません');
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('dialog[open]').count(), 0);

  // The character sheet: the texts to describe and a fresh player's figures.
  await choose(page, 'mnuCHAR');
  dialog = await modal(page);
  assert.equal(dialog.title, 'ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧');
  const select = dialog.dialog.getByRole('combobox', { name: '説明するもの' });
  const entries = await select.locator('option').allTextContents();
  assert.equal(entries.length, 8);
  assert.deepEqual(entries.slice(0, 7), ['全般説明', 'ｱｶﾞﾘｰﾀ', 'ｳｯｶﾘﾊﾁﾍﾞｴ', 'ﾙ･ﾆｭｰﾄﾗ', 'ﾄﾘｯｸ･ｳﾒ', 'ｽﾞﾝﾊﾟｽｷｲ', 'ｷ･ｵｰｸﾏﾝ']);
  const lines = dialog.dialog.locator('.char-description p');
  assert.equal(await lines.first().innerText(), '初めてやる方は、「ｱｶﾞﾘｰﾀ、ｳｯｶﾘﾊﾁﾍﾞｴ、ﾙ･ﾆｭｰﾄﾗ」');
  await select.selectOption({ label: 'ｷ･ｵｰｸﾏﾝ' });
  assert.deepEqual((await lines.allTextContents()).map((t) => t.trim()), [
    '出されたカードをすべて記憶してしまう',
    '最強の（はずの）キャラ。',
    '',
    'しかし、あんまりたくさんデータをため込んで',
    'しまうため、守りの姿勢が目立ち、',
    'ちょっと理屈倒れなところがある。',
  ]);
  const heads = await dialog.dialog.locator('thead th').allTextContents();
  assert.deepEqual(heads.slice(0, 3), ['ｷｬﾗｸﾀｰ', 'ｱｶﾞﾘｰﾀ', 'ｳｯｶﾘﾊﾁﾍﾞｴ']);
  assert.equal(heads[7], entries[7], 'the user heads the last column under the list’s last name');
  const rows = await dialog.dialog.locator('tbody tr').evaluateAll((trs) =>
    trs.map((tr) => [tr.cells[0].textContent, tr.cells[1].textContent]),
  );
  assert.equal(rows.length, 19);
  assert.deepEqual(rows.slice(5, 13), [
    ['被ズンパ数', '0'],
    ['1回の平均得点', '0.0'],
    ['勝率', '0.000'],
    ['あがり勝率', '0.000'],
    ['ズンパ率', '0.000'],
    ['被ズンパ率', '0.000'],
    ['20R参加回数', '0'],
    ['20R平均得点', '0'],
  ]);
  await dialog.dialog.getByRole('button', { name: 'OK' }).click();
  assert.equal(await page.locator('dialog[open]').count(), 0);
  assert.deepEqual(errors, []);
  await context.close();
}

// The saved game goes into the page's store before the page reads it.
async function continuedGame(page) {
  await page.evaluate(async (bytes) => {
    await new Promise((done, fail) => {
      const request = indexedDB.open('zunpas', 1);
      request.onupgradeneeded = () => request.result.createObjectStore('files');
      request.onsuccess = () => {
        const tx = request.result.transaction('files', 'readwrite');
        tx.objectStore('files').put(new Uint8Array(bytes), 'SaveData.txt');
        tx.oncomplete = done;
        tx.onerror = fail;
      };
    });
  }, kSavedGame);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
}

// Opens 得点ｸﾞﾗﾌ at a moment a computer's move waits on its timer: the
// check and the click in one task, so that no step slips in between.
function openChartBeforeStep(page) {
  return page.evaluate(() => {
    if (!window.zunpaTest.stepPending() || document.querySelector('dialog[open]')) return null;
    document.querySelector('[data-key="mneCHART"]').click();
    return JSON.stringify(window.zunpaTest.view());
  });
}

// Moves the game on by the user's hand until a computer's move is due.
async function untilComputerMoves(page) {
  for (let tries = 0; tries < 300; ++tries) {
    const opened = await openChartBeforeStep(page);
    if (opened) return opened;
    const open = page.locator('dialog[open] button.default');
    if (await open.count()) await open.last().click();
    else {
      const v = await view(page);
      if (!v.next.run && v.stops.length) {
        const stop = v.stops.includes('draw') ? 'draw' : v.stops[0];
        await page.locator(stop === 'draw' ? '#cmdMEKU' : `[data-code="${stop}"]`).dispatchEvent('click');
      }
    }
    await page.waitForTimeout(50);
  }
  const v = await view(page);
  throw new Error(`no computer move came: ${JSON.stringify({ next: v.next, busy: v.busy, stops: v.stops, stopped: v.stopped, dialogs: await page.locator('dialog[open]').count() })}`);
}

async function savedGame(browser, url) {
  const { page, context, errors } = await openPage(browser, url);
  await continuedGame(page);
  await choose(page, 'mneLOG');
  await choose(page, 'mneKEIKA');
  await choose(page, 'mneCONTINUE');
  await (await modal(page)).dialog.locator('button.default').click();
  await page.waitForFunction(() => document.querySelectorAll('#log-panel li').length > 0);

  // The saved rounds as the file has them, each total styled as written.
  const scores = page.locator('#score-panel');
  assert.deepEqual(await scores.locator('thead th.seat-name').allTextContents(), ['ﾄﾘｯｸ･ｳﾒ', 'ｷ･ｵｰｸﾏﾝ', 'ｱｶﾞﾘｰﾀ', kUser]);
  const nameLines = await scores.locator('.name-line').evaluateAll((spans) =>
    spans.map((s) => s.getBoundingClientRect().height < 1.6 * parseFloat(getComputedStyle(s.parentElement).fontSize)),
  );
  assert.deepEqual(nameLines, Array(8).fill(true), 'each half of a name stays on one line');
  // Too long even at two-thirds of its size: cut, the whole name its tooltip.
  assert.equal(await scores.locator('thead th.seat-name').nth(3).getAttribute('title'), kUser);
  assert.equal(await scores.locator('thead th.seat-name').nth(0).getAttribute('title'), null);
  const cells = await scores.locator('tbody tr').evaluateAll((trs) =>
    trs.slice(0, 5).map((tr) => [...tr.cells].slice(1).map((td) => td.textContent)),
  );
  assert.deepEqual(cells, [
    ['10', '-5', '100', '20'],
    ['20（ズンパ勝ち）', '-10（ズンパ負け・ズンパ返し）', '200（あがり勝ち）', '40'],
    ['30', '-15', '300（半減）', '60（倍）'],
    ['40', '-20', '400', '80'],
    ['', '', '', ''],
  ]);
  const styles = await scores.locator('tbody tr').nth(2).evaluate((tr) =>
    [...tr.cells].slice(3).map((td) => [getComputedStyle(td).textDecorationLine, parseFloat(getComputedStyle(td).fontSize)]),
  );
  assert.equal(styles[0][0], 'underline');
  assert.ok(styles[0][1] < 13 && styles[1][1] > 13, 'a halved total is smaller, a doubled one larger');

  // 経過 from the continued game on, growing at its end, the newest in view.
  const log = page.locator('#log-panel ol');
  assert.match(await log.locator('li').first().innerText(), /保存したゲームのつづき/);
  const first = await log.locator('li').first().elementHandle();
  const before = await log.locator('li').count();

  // 得点ｸﾞﾗﾌ opened before a computer's move holds the move back.
  const opened = await untilComputerMoves(page);
  const dialog = (await modal(page)).dialog;
  await page.waitForTimeout(3500);
  assert.equal(JSON.stringify(await view(page)), opened, 'the computer waits while the chart is open');
  const chart = dialog.getByRole('img');
  assert.equal(
    await chart.getAttribute('aria-label'),
    `得点ｸﾞﾗﾌ 第4ラウンドまで ﾄﾘｯｸ･ｳﾒ 40点、ｷ･ｵｰｸﾏﾝ -20点、ｱｶﾞﾘｰﾀ 400点、${kUser} 80点`,
  );
  assert.equal(await chart.locator('path').count(), 4);
  await dialog.locator('summary').click();
  const table = await dialog.locator('.chart-table-body tr').evaluateAll((trs) =>
    trs.map((tr) => [...tr.cells].map((c) => c.textContent)),
  );
  assert.deepEqual(table[0], ['ラウンド', 'ﾄﾘｯｸ･ｳﾒ', 'ｷ･ｵｰｸﾏﾝ', 'ｱｶﾞﾘｰﾀ', kUser]);
  assert.deepEqual(table[3], ['3', '30', '-15', '300（半減）', '60（倍増）']);
  assert.equal(table.length, 5);
  await screenshot(page, 'panels-chart-1000');
  await dialog.getByRole('button', { name: '閉じる' }).click();
  await page.waitForFunction((shown) => JSON.stringify(window.zunpaTest.view()) !== shown, opened);

  await page.waitForFunction((count) => document.querySelectorAll('#log-panel li').length > count, before);
  assert.ok(await first.evaluate((li) => li.isConnected), 'the log grows at its end, its lines kept');
  await page.waitForFunction(() => {
    const ol = document.querySelector('#log-panel ol');
    return ol.scrollTop + ol.clientHeight >= ol.scrollHeight - 2;
  });
  await screenshot(page, 'panels-side-1000');
  await choose(page, 'mnuCHAR');
  await screenshot(page, 'panels-character-1000');
  assert.deepEqual(errors, []);
  await context.close();
}

function inside(box, viewport) {
  return box && box.x >= 0 && box.y >= 0 && box.x + box.width <= viewport.width + 0.5 && box.y + box.height <= viewport.height + 0.5;
}

async function smallScreen(browser, url, viewport) {
  const { page, context, errors } = await openPage(browser, url, { viewport });
  const name = `${viewport.width}x${viewport.height}`;
  await choose(page, 'mneKEIKA');
  await choose(page, 'mneLOG');
  assert.ok(inside(await page.locator('#side').boundingBox(), viewport), `${name}: the side column is on the screen`);
  for (const button of await page.locator('#side button').all()) {
    const box = await button.boundingBox();
    assert.ok(box.width >= 44 && box.height >= 44, `${name}: ${await button.innerText()} is ${box.width}×${box.height}`);
  }
  assert.ok(inside(await page.locator('.table-frame').boundingBox(), viewport), `${name}: the table stays whole`);
  await screenshot(page, `panels-side-${name}`);

  for (const [item, button, shot] of [
    ['mneCHART', '閉じる', 'chart'],
    ['mnuCHAR', 'OK', 'character'],
  ]) {
    await choose(page, item);
    const { dialog } = await modal(page);
    assert.ok(inside(await dialog.boundingBox(), viewport), `${name}: ${item} is on the screen`);
    assert.ok(inside(await dialog.getByRole('button', { name: button }).boundingBox(), viewport), `${name}: ${button} is in reach`);
    if (item === 'mnuCHAR' && viewport.width < 400) {
      const grid = dialog.getByRole('region', { name: '成績一覧' });
      assert.ok(await grid.evaluate((g) => g.scrollWidth > g.clientWidth), 'the grid scrolls sideways');
    }
    await screenshot(page, `panels-${shot}-${name}`);
    await page.keyboard.press('Escape');
  }
  assert.deepEqual(errors, []);
  await context.close();
}

await withBrowser(async ({ browser, url }) => {
  await emptyTable(browser, url);
  await savedGame(browser, url);
  await smallScreen(browser, url, { width: 360, height: 640 });
  await smallScreen(browser, url, { width: 640, height: 360 });
});
console.log('panels: ok');
