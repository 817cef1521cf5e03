// A whole game in the browser as a player plays it: a numbered game with
// the player selection answered, a round by clicks and one by keys, the
// questions answered, a save, a reload and つづき to the game's end. The
// four files in IndexedDB must be byte for byte what the desktop's core
// writes for the same game played the same way (zunpa-default-user).
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { assert, modal, openPage, screenshot, settle, storedFiles, view, withBrowser } from './harness.mjs';

const kGame = 5; // its round 1 asks "２が１枚あります。出しますか？"
const kRounds = 2;
const kMoves = 3;
const kNative = resolve(process.env.ZUNPA_NATIVE_BUILD ?? '../build', 'zunpa-default-user');

function expectedFiles(finish) {
  const folder = mkdtempSync(join(tmpdir(), 'zunpa-expected-'));
  try {
    const args = [String(kGame), folder, String(kRounds), String(kMoves), '0', ...(finish ? ['finish'] : [])];
    const questions = execFileSync(kNative, args, { encoding: 'utf8' }).split('\n').filter(Boolean);
    const files = {};
    for (const name of ['zunpas.ini', 'Save.txt', 'SaveData.txt', 'score.dat']) {
      try {
        files[name] = readFileSync(join(folder, name)).toString('hex');
      } catch {
        // not written by this game
      }
    }
    return { files, questions };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Every dialog is answered with its default button, as the native user does.
async function answerDialogs(page, asked) {
  while ((await page.locator('dialog[open]').count()) > 0) {
    const { dialog, text } = await modal(page);
    if ((await dialog.locator('button.default').count()) === 0) throw new Error(`a dialog without a default button: ${text}`);
    // What the native user prints: every message that asks.
    if (await dialog.evaluate((d) => d.classList.contains('message') && !d.classList.contains('buttons-Ok')))
      asked.push(await dialog.locator('.message-text').innerText());
    await page.keyboard.press('Enter');
    await settle(page);
  }
}

// The keyboard ring's first stop, by a click or a tap on it, or by keys.
async function move(page, v, by) {
  const first = v.stops[0];
  const target = first === 'draw' ? page.locator('#cmdMEKU') : page.locator(`button[data-code="${first}"]`);
  if (by === 'keys') {
    await page.keyboard.press('ArrowRight');
    const focused = await page.evaluate(() => document.activeElement?.dataset.code ?? document.activeElement?.id);
    assert.equal(String(focused), first === 'draw' ? 'cmdMEKU' : String(first), 'the ring stands on the first stop');
    await page.keyboard.press('Enter');
  } else if (by === 'tap') {
    await target.tap();
  } else {
    await target.click();
  }
}

// Plays by `by` until `done(view)`, answering every dialog on the way.
async function playUntil(page, asked, by, done) {
  for (;;) {
    await settle(page);
    await answerDialogs(page, asked);
    const v = await view(page);
    if (done(v)) return v;
    assert.ok(v.stops.length > 0, 'the user has a move');
    await move(page, v, typeof by === 'function' ? by(v) : by);
  }
}

async function chooseMenu(page, top, item) {
  await page.getByRole('menuitem', { name: top }).click();
  await page.getByRole('menuitem', { name: item }).click();
}

async function startNumberedGame(page) {
  await page.keyboard.press('Shift+F2');
  const number = await modal(page);
  await number.dialog.locator('input').fill(String(kGame));
  await page.keyboard.press('Enter');
  const selection = await modal(page);
  assert.equal(selection.title, 'プレーヤー選択');
  await page.keyboard.press('Enter');
  await settle(page);
}

function compare(stored, expected, names) {
  for (const name of names) assert.equal(stored[name], expected[name], `${name} as the desktop writes it`);
}

await withBrowser(async ({ browser, url }) => {
  const { context, page, errors } = await openPage(browser, url);
  await chooseMenu(page, 'ｵﾌﾟｼｮﾝ(O)', '進行速度(S)');
  await page.getByRole('menuitemcheckbox', { name: '特急' }).click();
  await startNumberedGame(page);
  const asked = [];
  let moved = 0;
  await playUntil(page, asked, (v) => (v.roundNo === 1 ? 'click' : 'keys'), (v) => {
    if (v.roundNo === kRounds + 1 && moved === kMoves) return true;
    if (v.roundNo === kRounds + 1) ++moved;
    return v.roundNo > kRounds + 1;
  });
  await screenshot(page, 'game-before-save');
  await page.keyboard.press('Control+s');
  await answerDialogs(page, asked);
  const saved = expectedFiles(false);
  assert.deepEqual(asked, saved.questions, 'the same questions in the same order');
  compare(await storedFiles(page), saved.files, ['zunpas.ini', 'Save.txt', 'SaveData.txt', 'score.dat']);

  // A reload keeps everything; つづき goes on to the game's end.
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await chooseMenu(page, 'ｹﾞｰﾑ(G)', 'つづき(C)');
  // The game is over when the table offers nothing more to do.
  await playUntil(page, asked, 'click', (v) => v.stops.length === 0 && !v.next.run);
  await screenshot(page, 'game-end');
  const finished = expectedFiles(true);
  assert.deepEqual(asked, finished.questions, 'the same questions to the end');
  compare(await storedFiles(page), finished.files, ['zunpas.ini', 'Save.txt', 'SaveData.txt', 'score.dat']);
  assert.deepEqual(errors, []);
  await context.close();

  // A phone held upright: a round by taps, every card of the hand in view
  // and each button at least 44 CSS pixels tall where the table allows.
  const phone = await openPage(browser, url, { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });
  await startNumberedGame(phone.page);
  const first = await view(phone.page);
  await playUntil(phone.page, [], 'tap', (v) => {
    if (v.roundNo !== first.roundNo) return true;
    return false;
  });
  await screenshot(phone.page, 'game-phone');
  for (const box of await phone.page.locator('button[data-code]').evaluateAll((bs) => bs.map((b) => b.getBoundingClientRect().toJSON())))
    assert.ok(box.left >= 0 && box.right <= 360 && box.top >= 0 && box.bottom <= 640, 'a card in view');
  assert.deepEqual(phone.errors, []);
  await phone.context.close();
});
