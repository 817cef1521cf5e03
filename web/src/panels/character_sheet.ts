// ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧: the list of texts to describe with the chosen one's six
// lines, and the seven players' lifetime statistics. It only reads.
import type { Core, Json } from '../core';
import { buttonRow, make, runModal } from '../dialogs/modal';

// The placings stand a little apart from the counts above them.
const kPlacingsRow = 13;

function describe(lines: HTMLElement, texts: string[]): void {
  // Blank lines keep their place, as the desktop's six labels do.
  lines.replaceChildren(...texts.map((text) => make('p', '', text || '\u00a0')));
}

function buildChooser(sheet: Json): HTMLElement {
  const top = make('div', 'char-top');
  const select = make('select', 'char-choice');
  select.setAttribute('aria-label', '説明するもの');
  select.autofocus = true;
  sheet.entries.forEach((entry: string, i: number) => select.append(new Option(entry, String(i))));
  const lines = make('div', 'char-description');
  lines.setAttribute('aria-live', 'polite');
  describe(lines, sheet.descriptions[0]);
  select.addEventListener('change', () => describe(lines, sheet.descriptions[Number(select.value)]));
  top.append(select, lines);
  return top;
}

function headerCell(first: string, rest: string): HTMLTableCellElement {
  const th = make('th');
  th.scope = 'col';
  th.append(make('span', 'name-line', first), make('span', 'name-line', rest));
  return th;
}

function buildGrid(sheet: Json): HTMLElement {
  const table = make('table', 'char-grid');
  const head = make('tr');
  const corner = make('th', 'corner', sheet.headers[0]);
  corner.scope = 'col';
  head.append(corner);
  for (let column = 0; column < sheet.values.length; ++column)
    head.append(headerCell(sheet.headers[2 * column + 1], sheet.headers[2 * column + 2]));
  const thead = make('thead');
  thead.append(head);
  const tbody = make('tbody');
  sheet.rowCaptions.forEach((caption: string, row: number) => {
    const tr = make('tr', row === kPlacingsRow ? 'placings' : '');
    const th = make('th', '', caption);
    th.scope = 'row';
    tr.append(th);
    for (const column of sheet.values) tr.append(make('td', '', column[row]));
    tbody.append(tr);
  });
  table.append(thead, tbody);
  // Wider than a phone: it scrolls sideways, and the keys scroll it too.
  const scroller = make('div', 'char-grid-scroll');
  scroller.tabIndex = 0;
  scroller.setAttribute('role', 'region');
  scroller.setAttribute('aria-label', '成績一覧');
  scroller.append(table);
  return scroller;
}

// `name` is the user's name as it stands (the player selection's own);
// without it the core takes the seated user's.
export function showCharacterSheet(core: Core, name?: string): Promise<void> {
  const sheet: Json = core.query('characterSheet', name === undefined ? {} : { name });
  return runModal<void>(
    'ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧',
    (body, settle) => {
      body.append(buildChooser(sheet), buildGrid(sheet));
      buttonRow(body, [{ caption: 'OK', value: undefined, isDefault: true, isCancel: true }], settle);
    },
    () => undefined,
    'character-sheet',
  );
}
