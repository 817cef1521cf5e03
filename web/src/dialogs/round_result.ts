// 第nラウンド結果: each seat's hand, counted, under the names as the score
// table heads them (two lines, in their colours, on black).
import type { App } from '../app';
import type { Json } from '../core';
import { cssColour } from './controls';
import { buttonRow, make, runModal } from './modal';
import { showScoringExplanation } from './scoring_explanation';

// Top to bottom; the points, the last row, stand below a rule.
const kRows: [string, string][] = [
  ['ｶｰﾄﾞﾎﾟｲﾝﾄ', 'cardPoints'],
  ['葉変の枚数', 'suitChanges'],
  ['2の枚数', 'twos'],
  ['倍率', 'multiplier'],
  ['得点', 'points'],
];

function headerCell(top: Json, rest: Json, name: string): HTMLElement {
  const cell = make('th', 'name-header');
  cell.scope = 'col';
  cell.setAttribute('aria-label', name);
  for (const part of [top, rest]) {
    const line = make('span', '', part?.caption ?? '');
    if (part) line.style.color = cssColour(part.colour);
    cell.append(line);
  }
  return cell;
}

function resultTable(app: App, result: Json): HTMLTableElement {
  const sheet = app.core.query('sheet');
  const table = make('table', 'round-table');
  const head = make('tr');
  head.append(make('td'));
  for (let seat = 0; seat < 4; ++seat) {
    const column = sheet?.columns?.[seat] ?? [];
    head.append(headerCell(column[21], column[0], result.names[seat]));
  }
  table.createTHead().append(head);
  const rows = table.createTBody();
  for (const [caption, key] of kRows) {
    const row = make('tr', key === 'points' ? 'total' : '');
    const title = make('th', '', caption);
    title.scope = 'row';
    row.append(title, ...result.rows.map((r: Json) => make('td', '', r[key])));
    rows.append(row);
  }
  return table;
}

export function showRoundResult(app: App, result: Json): Promise<void> {
  return runModal<void>(
    `第${result.roundNo}ラウンド結果`,
    (body, settle) => {
      body.append(resultTable(app, result));
      const row = buttonRow<'explain' | 'ok'>(
        body,
        [
          { caption: '得点説明', value: 'explain' },
          { caption: 'OK', value: 'ok', isDefault: true, isCancel: true },
        ],
        (value) => (value === 'ok' ? settle() : void explain()),
      );
      row.classList.add('spread');
      // Enter stays with OK even after the explanation was opened.
      const explain = async () => {
        await showScoringExplanation();
        row.querySelector<HTMLButtonElement>('button.default')?.focus();
      };
    },
    () => undefined,
    'round-result',
  );
}
