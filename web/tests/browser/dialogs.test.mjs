// The core's dialogs in the page: player selection by the core's rules,
// a numbered game played to its end through the suit choice, the rounds'
// and the game's results, the name and high-score windows, and the menus'
// own windows. Each open dialog is also looked at on a phone's screen.
import { readFile } from 'node:fs/promises';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { assert, modal, openPage, screenshot, settle, view, withBrowser } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const kDesktop = { width: 1000, height: 720 };
const kPhone = { width: 360, height: 640 };
// A game in which the user plays a suit change and ends in the high scores.
const kGameNumber = '20241';

// The dialog on top, held by its own name rather than by being on top.
async function topDialog(page) {
  const { dialog, title, text } = await modal(page);
  const id = await dialog.getAttribute('aria-labelledby');
  return { dialog: page.locator(`dialog[aria-labelledby="${id}"]`), title, text };
}

async function chooseMenu(page, path, key) {
  await page.locator('.menu-title', { hasText: path[0] }).click();
  for (const sub of path.slice(1)) await page.locator('.menu-item', { hasText: sub }).first().click();
  await page.locator(`[data-key="${key}"]`).click();
}

// The dialog on top at both sizes; on the phone all of it within the
// screen, never wider than it, and every control a finger's size.
async function lookAt(page, name, title) {
  await page.getByRole('dialog', { name: title }).waitFor();
  await screenshot(page, `dialogs-${name}-wide`);
  await page.setViewportSize(kPhone);
  await screenshot(page, `dialogs-${name}-phone`);
  const problems = await page.evaluate(() => {
    const dialog = [...document.querySelectorAll('dialog[open]')].pop();
    const found = [];
    const box = dialog.getBoundingClientRect();
    if (box.left < 0 || box.top < 0 || box.right > innerWidth || box.bottom > innerHeight) found.push('off the screen');
    if (dialog.scrollWidth > dialog.clientWidth) found.push('wider than the screen');
    for (const el of dialog.querySelectorAll('button, input[type=text], select, [role=option], label.option')) {
      const r = el.getBoundingClientRect();
      if (r.height < 44 || r.width < 44) found.push(`${el.textContent} ${r.width}×${r.height}`);
    }
    return found;
  });
  await page.setViewportSize(kDesktop);
  assert.deepEqual(problems, [], name);
}

async function entries(list) {
  return list.getByRole('option').allInnerTexts();
}

async function playerSelection(browser, url) {
  const { context, page, errors } = await openPage(browser, url);
  await page.keyboard.press('F2');
  let { dialog, title } = await topDialog(page);
  assert.equal(title, 'プレーヤー選択');
  await page.keyboard.press('Escape');
  await dialog.waitFor({ state: 'detached' });
  assert.equal((await view(page)).seats[3].name, '', 'キャンセル starts nothing');

  await page.keyboard.press('F2');
  ({ dialog } = await topDialog(page));
  const [out, chosen] = [dialog.getByRole('listbox').nth(0), dialog.getByRole('listbox').nth(1)];
  const [moveIn, moveOut] = [dialog.getByRole('button', { name: '参加させる' }), dialog.getByRole('button', { name: '参加させない' })];
  const ok = dialog.getByRole('button', { name: 'OK' });
  const buttons = async () => [await moveIn.isEnabled(), await moveOut.isEnabled(), await ok.isEnabled()];
  assert.deepEqual(await entries(out), ['ﾄﾘｯｸ･ｳﾒ', 'ｽﾞﾝﾊﾟｽｷｲ', 'ｷ･ｵｰｸﾏﾝ']);
  assert.deepEqual(await entries(chosen), ['ｱｶﾞﾘｰﾀ', 'ｳｯｶﾘﾊﾁﾍﾞｴ', 'ﾙ･ﾆｭｰﾄﾗ']);
  assert.deepEqual(await buttons(), [false, true, true]);

  // A click moves at once; arrows select and → moves the selected.
  await chosen.getByRole('option', { name: 'ｱｶﾞﾘｰﾀ' }).click();
  assert.deepEqual(await entries(out), ['ﾄﾘｯｸ･ｳﾒ', 'ｽﾞﾝﾊﾟｽｷｲ', 'ｷ･ｵｰｸﾏﾝ', 'ｱｶﾞﾘｰﾀ']);
  assert.deepEqual(await buttons(), [true, true, false]);
  await out.focus();
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await moveIn.click();
  assert.deepEqual(await entries(chosen), ['ｳｯｶﾘﾊﾁﾍﾞｴ', 'ﾙ･ﾆｭｰﾄﾗ', 'ｽﾞﾝﾊﾟｽｷｲ']);
  assert.deepEqual(await buttons(), [false, true, true]);
  await out.getByRole('option', { name: 'ｷ･ｵｰｸﾏﾝ' }).click();
  assert.deepEqual(await entries(chosen), ['ｳｯｶﾘﾊﾁﾍﾞｴ', 'ﾙ･ﾆｭｰﾄﾗ', 'ｽﾞﾝﾊﾟｽｷｲ'], 'a fourth cannot come in');

  // A name in use is refused and the dialog stays; a long one is cut.
  const name = dialog.getByRole('textbox', { name: '名前： (N)' });
  await name.fill('ﾙ･ﾆｭｰﾄﾗ');
  await ok.click();
  const refusal = await topDialog(page);
  assert.match(refusal.text, /この名前は使用されています。別の名前にしてください。/);
  await lookAt(page, 'name-in-use', refusal.title);
  await page.keyboard.press('Enter');
  await refusal.dialog.waitFor({ state: 'detached' });
  assert.equal((await topDialog(page)).title, 'プレーヤー選択');
  await name.fill('あ'.repeat(40));
  assert.equal(await name.inputValue(), 'あ'.repeat(32));
  await name.fill('テスト太郎');
  await page.keyboard.press('Alt+S');
  await page.keyboard.press('ArrowRight');
  assert.equal(await dialog.getByRole('radio', { name: '女性' }).isChecked(), true);
  await lookAt(page, 'players', 'プレーヤー選択');
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  await settle(page);
  assert.deepEqual(
    (await view(page)).seats.map((s) => s.name),
    ['ｳｯｶﾘﾊﾁﾍﾞｴ', 'ﾙ･ﾆｭｰﾄﾗ', 'ｽﾞﾝﾊﾟｽｷｲ', 'テスト太郎'],
  );
  // The user's turn, when 新規 may be chosen again: the dialog keeps the choice.
  while ((await page.locator('dialog[open]').count()) > 0 || !(await view(page)).menus.enabled.mneNEW) {
    await page.keyboard.press('Enter');
    await settle(page);
  }
  await page.keyboard.press('F2');
  ({ dialog } = await topDialog(page));
  assert.equal(await dialog.getByRole('radio', { name: '女性' }).isChecked(), true, 'the sex is kept');
  assert.equal(await dialog.getByRole('textbox').inputValue(), 'テスト太郎');
  await page.keyboard.press('Escape');
  assert.deepEqual(errors, []);
  await context.close();
}

async function gameNumber(page) {
  await page.keyboard.press('Shift+F2');
  const { dialog, title, text } = await topDialog(page);
  assert.equal(title, '番号を指定して新規');
  assert.match(text, /ゲーム番号（\d+～\d+）を入力してください。\n同じ番号では同じ配り札になります。/);
  const box = dialog.getByRole('textbox', { name: 'ゲーム番号' });
  await box.pressSequentially('a1b２');
  assert.equal(await box.inputValue(), '1２', 'digits only');
  await box.fill('0');
  await lookAt(page, 'number', title);
  await page.keyboard.press('Enter');
  const problem = await topDialog(page);
  assert.match(problem.text, /ゲーム番号は\d+から\d+までです。/);
  await page.keyboard.press('Enter');
  await problem.dialog.waitFor({ state: 'detached' });
  assert.equal(await box.evaluate((el) => el === document.activeElement && el.selectionEnd === 1), true);
  await box.fill(kGameNumber);
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
}

const rgb = (colour) => `rgb(${colour >> 16}, ${(colour >> 8) & 255}, ${colour & 255})`;

async function suitChoice(page, dialog) {
  const suits = dialog.getByRole('radio');
  const auto = dialog.getByRole('checkbox', { name: '自動検出' });
  const checked = async () => (await suits.evaluateAll((all) => all.filter((r) => r.checked))).length;
  assert.equal(await auto.isChecked(), true);
  const suggested = await suits.evaluateAll((all) => all.findIndex((r) => r.checked));
  assert.notEqual(suggested, -1, 'the suggested suit');
  await auto.uncheck();
  assert.equal(await checked(), 0);
  await lookAt(page, 'suit', 'どれにしたものか・・・');
  await page.keyboard.press('Enter');
  const refusal = await topDialog(page);
  assert.match(refusal.text, /どれか選択してください/);
  await page.keyboard.press('Enter');
  await refusal.dialog.waitFor({ state: 'detached' });
  await page.keyboard.press('Escape');
  assert.equal((await topDialog(page)).title, 'どれにしたものか・・・', 'Esc cannot close it');
  // Ticked again, the box picks the suggestion, and later choices open with it.
  await auto.check();
  assert.equal(await suits.evaluateAll((all) => all.findIndex((r) => r.checked)), suggested);
  await dialog.getByText('ハート').click();
  await dialog.getByRole('button', { name: 'OK' }).click();
}

async function roundResult(page, dialog, title) {
  const headers = await dialog.locator('thead th').evaluateAll((all) =>
    all.map((th) => [th.getAttribute('aria-label'), getComputedStyle(th.firstElementChild).color]),
  );
  assert.deepEqual(
    headers,
    (await view(page)).seats.map((s) => [s.name, rgb(s.nameColour)]),
  );
  assert.deepEqual(await dialog.locator('tbody th').allInnerTexts(), ['ｶｰﾄﾞﾎﾟｲﾝﾄ', '葉変の枚数', '2の枚数', '倍率', '得点']);
  await dialog.getByRole('button', { name: '得点説明' }).click();
  const explanation = await topDialog(page);
  assert.equal(explanation.title, '得点説明');
  assert.match(explanation.text, /Aは15ポイント、Ｊ,Ｑ,Ｋは10ポイントです。[^]*倍々になります。[^]*詳しくは、ﾍﾙﾌﾟをご覧ください/);
  await lookAt(page, 'explanation', '得点説明');
  await page.keyboard.press('Escape');
  await explanation.dialog.waitFor({ state: 'detached' });
  await lookAt(page, 'round', title);
  await page.keyboard.press('Enter');
}

async function finalResult(page, dialog) {
  const colours = new Map((await view(page)).seats.map((s) => [s.name, rgb(s.nameColour)]));
  const rows = await dialog.locator('tr').evaluateAll((all) =>
    all.map((tr) => [tr.cells[0].textContent, tr.cells[1].textContent, getComputedStyle(tr.cells[1]).color]),
  );
  assert.deepEqual(
    rows.map(([place]) => place),
    ['１位', '２位', '３位', '４位'],
  );
  assert.deepEqual(
    rows.map(([, name, colour]) => colour),
    rows.map(([, name]) => colours.get(name)),
    'the names in their colours on the table',
  );
  await lookAt(page, 'final', '結果');
  await page.keyboard.press('Enter');
}

async function nameEntry(page, dialog, title, text) {
  assert.match(text, /テスト太郎の得点は、-?\d+で歴代\d+位の記録です！/);
  const box = dialog.getByRole('textbox', { name: 'なまえ' });
  assert.equal(await box.inputValue(), 'テスト太郎');
  await box.fill('つばさ');
  await lookAt(page, 'name', title);
  await page.keyboard.press('Enter');
}

async function highScores(page, dialog, title) {
  assert.deepEqual(
    await dialog.locator('th.place').allInnerTexts(),
    Array.from({ length: 10 }, (_, i) => `${i + 1}位：`),
  );
  assert.equal(await dialog.locator('td.name', { hasText: 'つばさ' }).count(), 1);
  await lookAt(page, 'scores', title);
  await page.keyboard.press('Enter');
}

// What comes up in a game, by its title; the first of each is checked,
// the others closed by Enter.
const kGameDialogs = [
  ['suits', (title) => title === 'どれにしたものか・・・', suitChoice],
  ['rounds', (title) => /^第\d+ラウンド結果$/.test(title), roundResult],
  ['final', (title) => title === '結果', finalResult],
  ['name', (title, text) => title === '記録' && text.includes('なまえ'), nameEntry],
  ['scores', (title) => title === '記録', highScores],
];

async function playStop(page) {
  const stop = (await view(page)).stops[0];
  if (stop === undefined) return page.waitForTimeout(50);
  await page.locator(stop === 'draw' ? '#cmdMEKU' : `.hits [data-code="${stop}"]`).press('Enter');
}

// The about box opened just after the user's move: the computer's move
// under way may end, but the next waits until the box is closed. True
// once the computer was seen due to move.
async function aboutHoldsTheGame(page) {
  await chooseMenu(page, ['その他'], 'mneVER');
  const { dialog } = await topDialog(page);
  await page.waitForTimeout(1500);
  const before = await view(page);
  await page.waitForTimeout(1500);
  const after = await view(page);
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  if (!after.next.run) return false;
  assert.deepEqual(after.cards, before.cards, 'the computer waits');
  return true;
}

async function wholeGame(browser, url) {
  const { context, page, errors } = await openPage(browser, url);
  await chooseMenu(page, ['ｵﾌﾟｼｮﾝ', '進行速度'], 'flgSOKUDO.0');
  await chooseMenu(page, ['ｵﾌﾟｼｮﾝ'], 'mneSOUND');
  await chooseMenu(page, ['ｵﾌﾟｼｮﾝ', 'ﾒｯｾｰｼﾞ'], 'flgSUBETE');
  await chooseMenu(page, ['表示'], 'mneMOTION');
  await gameNumber(page);
  const players = await topDialog(page);
  assert.equal(players.title, 'プレーヤー選択');
  await players.dialog.getByRole('textbox').fill('テスト太郎');
  await page.keyboard.press('Enter');
  const seen = { suits: 0, rounds: 0, final: 0, name: 0, scores: 0 };
  let held = false;
  while (seen.scores === 0) {
    await settle(page);
    if ((await page.locator('dialog[open]').count()) === 0) {
      await playStop(page);
      if (!held && seen.rounds > 0) held = await aboutHoldsTheGame(page);
      continue;
    }
    const { dialog, title, text } = await topDialog(page);
    const [kind, , check] = kGameDialogs.find(([, matches]) => matches(title, text)) ?? [];
    if (kind === 'rounds') assert.equal(title, `第${seen.rounds + 1}ラウンド結果`);
    if (kind && seen[kind]++ === 0) await check(page, dialog, title, text);
    else await page.keyboard.press('Enter');
    await dialog.waitFor({ state: 'detached' });
  }
  assert.deepEqual(seen, { suits: seen.suits, rounds: 20, final: 1, name: 1, scores: 1 });
  assert.ok(seen.suits > 0, 'a suit was chosen');
  assert.ok(held, 'the about box was opened between two moves');
  assert.match((await view(page)).title, new RegExp(`ゲーム番号 ${kGameNumber}`));
  assert.deepEqual(errors, []);
  await context.close();
}

async function menuWindows(browser, url) {
  const { context, page, errors } = await openPage(browser, url);
  const cmake = await readFile(resolve(here, '../../../CMakeLists.txt'), 'utf8');
  const version = /project\(ZunpaS VERSION ([\d.]+)/.exec(cmake)[1];
  await chooseMenu(page, ['その他'], 'mneVER');
  let { dialog, title, text } = await topDialog(page);
  assert.equal(title, 'ズンパＳのﾊﾞｰｼﾞｮﾝ情報');
  assert.match(text, new RegExp(`ズンパＳ\\s+ﾊﾞｰｼﾞｮﾝ ${version.replaceAll('.', '\\.')}\\s`));
  await lookAt(page, 'about', title);
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });

  // カード設定: one rank for two roles is refused; OK keeps, キャンセル does not.
  const roles = async () => {
    await chooseMenu(page, ['ｵﾌﾟｼｮﾝ'], 'mnuCSET');
    ({ dialog, title } = await topDialog(page));
    assert.equal(title, 'カード設定');
    return dialog.getByRole('combobox');
  };
  const chosen = (lists) => lists.evaluateAll((all) => all.map((s) => s.selectedIndex));
  let lists = await roles();
  const first = await chosen(lists);
  for (const [index, problem] of [
    [first[0], '設定値が重複しています'],
    [1, '2は設定できません'],
  ]) {
    await lists.nth(2).selectOption({ index });
    await dialog.getByRole('button', { name: 'OK' }).click();
    const refusal = await topDialog(page);
    assert.match(refusal.text, new RegExp(problem));
    await page.keyboard.press('Enter');
    await refusal.dialog.waitFor({ state: 'detached' });
  }
  await lookAt(page, 'roles', 'カード設定');
  for (const [i, index] of [12, 11, 10].entries()) await lists.nth(i).selectOption({ index });
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  await settle(page);
  lists = await roles();
  assert.deepEqual(await chosen(lists), [12, 11, 10]);
  await lists.nth(0).selectOption({ index: 0 });
  await page.keyboard.press('Escape');
  await dialog.waitFor({ state: 'detached' });
  lists = await roles();
  assert.deepEqual(await chosen(lists), [12, 11, 10], 'Esc keeps them');
  await dialog.getByRole('button', { name: 'キャンセル' }).click();

  // ﾊｲｽｺｱ: クリア asks; キャンセル leaves the table, OK clears it.
  await chooseMenu(page, ['ｹﾞｰﾑ'], 'mneHiScore');
  ({ dialog } = await topDialog(page));
  const rows = () => dialog.locator('td.points').allInnerTexts();
  const before = await rows();
  await lookAt(page, 'scores-menu', '記録');
  for (const [answer, after] of [
    ['Escape', before],
    ['Enter', Array(10).fill('10000')],
  ]) {
    await dialog.getByRole('button', { name: 'クリア' }).click();
    const question = await topDialog(page);
    assert.equal(question.title, 'ハイスコアの初期化');
    assert.match(question.text, /クリアしますか？/);
    await page.keyboard.press(answer);
    await question.dialog.waitFor({ state: 'detached' });
    ({ dialog } = await topDialog(page));
    assert.deepEqual(await rows(), after, answer);
  }
  await page.keyboard.press('Escape');
  await dialog.waitFor({ state: 'detached' });
  assert.deepEqual(errors, []);
  await context.close();
}

await withBrowser(async ({ browser, url }) => {
  await playerSelection(browser, url);
  await menuWindows(browser, url);
  await wholeGame(browser, url);
});
