// 記録: the name a new high score is kept under. OK gives the box's text
// (an empty one too); closing the dialog otherwise gives none.
import { nameRow, runCancellable } from './controls';
import { buttonRow, make } from './modal';

export function enterName(message: string, preset: string): Promise<string | null> {
  return runCancellable<string>(
    '記録',
    (body, settle) => {
      const text = make('p', 'dialog-message', message);
      const { row, input } = nameRow('なまえ', preset);
      input.autofocus = true;
      body.append(text, row);
      buttonRow(body, [{ caption: 'OK', value: 'ok', isDefault: true, isCancel: true }], () => settle(input.value));
      queueMicrotask(() => input.select());
    },
    'name-entry',
  );
}
