// 番号を指定して新規: the number of the game to deal. The core reads the
// number and says what is wrong with one it cannot take.
import type { App } from '../app';
import { runCancellable, textRow } from './controls';
import { showMessage } from './message';
import { buttonRow, make } from './modal';

// Digits only, ASCII or full-width; a number too long is still told about.
export function keepNumberText(text: string): string {
  return Array.from(text.replace(/[^0-9０-９]/g, ''))
    .slice(0, 12)
    .join('');
}

export function askGameNumber(app: App): Promise<string | null> {
  const { prompt, number } = app.core.query('gameNumber', { act: 'prompt' });
  return runCancellable<string>(
    '番号を指定して新規',
    (body, settle) => {
      const { row, input } = textRow('ゲーム番号', number, keepNumberText);
      input.inputMode = 'numeric';
      input.autofocus = true;
      body.append(make('p', 'dialog-message', prompt), row);
      const pressOk = async () => {
        const read = app.core.query('gameNumber', { act: 'read', text: input.value });
        if (!read.message) return settle(read.number);
        await showMessage(read.message, (text) => app.announce(text));
        input.focus();
        input.select();
      };
      buttonRow<'ok' | 'cancel'>(
        body,
        [
          { caption: 'OK', value: 'ok', isDefault: true },
          { caption: 'キャンセル', value: 'cancel', isCancel: true },
        ],
        (value) => (value === 'ok' ? void pressOk() : settle(null)),
      );
      queueMicrotask(() => input.select());
    },
    'game-number',
  );
}

export async function newNumberedGame(app: App): Promise<void> {
  const number = await app.between(() => askGameNumber(app));
  if (number !== null) await app.play('new', { number });
}
