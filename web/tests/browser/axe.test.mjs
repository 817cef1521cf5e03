// axe-core finds no violation on the table, in the open menus, or in any
// dialog or panel the menus bring up.
import AxeBuilder from '@axe-core/playwright';
import { assert, openPage, settle, withBrowser } from './harness.mjs';

// A menu path and how the thing it opens goes away again.
const kOpened = [
  [['ｹﾞｰﾑ(G)', '番号を指定して新規(B)...'], 'Escape'],
  [['ｹﾞｰﾑ(G)', 'ﾊｲｽｺｱ(H)'], 'Escape'],
  [['ｹﾞｰﾑ(G)', '終了(X)'], 'Escape'],
  [['ｵﾌﾟｼｮﾝ(O)', 'ｶｰﾄﾞ設定(K)'], 'Escape'],
  [['ｵﾌﾟｼｮﾝ(O)', 'ｷｬﾗｸﾀｰ(C)'], 'Escape'],
  [['ｵﾌﾟｼｮﾝ(O)', '得点表(T)'], null],
  [['表示(V)', '経過(L)'], null],
  [['表示(V)', '得点ｸﾞﾗﾌ(G)'], 'Escape'],
  [['その他(H)', 'ﾊﾞｰｼﾞｮﾝ情報(V)'], 'Escape'],
];

async function violations(page, where) {
  const found = (await new AxeBuilder({ page }).analyze()).violations;
  return found.map((v) => `${where}: ${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
}

await withBrowser(async ({ browser, url }) => {
  const { page, errors } = await openPage(browser, url);
  const found = await violations(page, 'the table');
  await page.getByRole('menuitem', { name: 'ｹﾞｰﾑ(G)' }).click();
  found.push(...(await violations(page, 'the game menu')));
  await page.keyboard.press('Escape');
  for (const [[top, item], close] of kOpened) {
    await page.getByRole('menuitem', { name: top }).click();
    await page.locator('.menu:not([hidden]) .menu-item', { hasText: item }).first().click();
    await page.waitForTimeout(200);
    found.push(...(await violations(page, item)));
    if (close) await page.keyboard.press(close);
    await settle(page);
    assert.equal(await page.locator('dialog[open]').count(), 0, `${item} closes`);
  }
  await page.keyboard.press('F2');
  await page.locator('dialog[open]').waitFor();
  found.push(...(await violations(page, 'player selection')));
  assert.deepEqual(found, []);
  assert.deepEqual(errors, []);
});
