// 結果: the four places of the game, each name in its colour on the table,
// which was made for a dark ground, so the standings stand on black.
import type { Json } from '../core';
import { cssColour } from './controls';
import { buttonRow, make, runModal } from './modal';

export function showFinalResult(result: Json): Promise<void> {
  return runModal<void>(
    '結果',
    (body, settle) => {
      const podium = make('table', 'podium');
      for (const r of result.rows) {
        const row = make('tr');
        const place = make('th', 'place', r.place);
        place.scope = 'row';
        const name = make('td', 'name', r.name);
        name.style.color = cssColour(r.colour);
        row.append(place, name, make('td', 'points', r.points));
        podium.append(row);
      }
      body.append(podium);
      buttonRow(body, [{ caption: 'OK', value: undefined, isDefault: true, isCancel: true }], settle).classList.add(
        'centred',
      );
    },
    () => undefined,
    'final-result',
  );
}
