// 記録: the ten best totals. クリア hands the question back to the core,
// which asks, clears, and shows the table again.
import type { Json } from '../core';
import { buttonRow, make, runModal } from './modal';

function scoreRows(rows: Json[]): HTMLTableElement {
  const table = make('table', 'score-rows');
  rows.forEach((r, i) => {
    const row = make('tr');
    const place = make('th', 'place', `${i + 1}位：`);
    place.scope = 'row';
    const name = make('td', 'name', r.name);
    name.title = r.name;
    row.append(place, make('td', 'points', r.points), make('td', 'date', r.date), make('td', 'game-place', r.gamePlace), name);
    table.append(row);
  });
  return table;
}

export function showHighScores(data: Json): Promise<'clear' | 'close'> {
  return runModal<'clear' | 'close'>(
    '記録',
    (body, settle) => {
      const frame = make('fieldset', 'text-frame');
      frame.append(make('legend', '', 'ハイスコア'), scoreRows(data.rows));
      body.append(frame);
      const buttons = buttonRow<'clear' | 'close'>(
        body,
        [
          { caption: 'クリア', value: 'clear' },
          { caption: 'OK', value: 'close', isDefault: true, isCancel: true },
        ],
        settle,
      );
      buttons.classList.add('spread');
    },
    () => 'close',
    'high-scores',
  );
}
