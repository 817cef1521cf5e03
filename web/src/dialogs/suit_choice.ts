// どれにしたものか・・・: the suit to declare after the user's suit-change
// card. It has no close box: only a chosen suit ends it.
import type { App } from '../app';
import type { Json } from '../core';
import { optionFrame } from './controls';
import { showMessage } from './message';
import { buttonRow, make, runModal } from './modal';

interface SuitState {
  suggested: number;
  autoDetect: boolean;
  selected: number | null;
  confirmed: boolean;
  refusal?: Json | null;
  choice?: SuitChoice;
  mayClose?: boolean;
}

export interface SuitChoice {
  suit: number;
  autoDetect: boolean;
}

const kSuits = ['スペード', 'ハート', 'クローバー', 'ダイヤ'];

export function chooseSuit(app: App, suggestion: SuitChoice): Promise<SuitChoice> {
  let state: SuitState = app.core.query('suitChoice', { act: 'open', ...suggestion });
  const ask = (act: string, args: object = {}): SuitState => app.core.query('suitChoice', { act, state, ...args });

  return runModal<SuitChoice>(
    'どれにしたものか・・・',
    (body, settle) => {
      const suits = optionFrame('葉っぱ選択', kSuits, state.selected, (option) => show(ask('select', { option })));
      const side = make('div', 'suit-side');
      const tick = make('label', 'option check');
      const box = make('input');
      box.type = 'checkbox';
      tick.append(box, make('span', '', '自動検出'));
      box.addEventListener('change', () => show(ask('tick', { ticked: box.checked })));
      side.append(tick);
      const layout = make('div', 'suit-layout');
      layout.append(suits.frame, side);
      body.append(layout);
      // Enter anywhere in the dialog presses OK, which stands beside the box.
      side.append(buttonRow(body, [{ caption: 'OK', value: 'ok', isDefault: true }], () => void pressOk()));

      const show = (next: SuitState) => {
        state = next;
        box.checked = state.autoDetect;
        suits.inputs.forEach((input, i) => (input.checked = state.selected === i));
      };
      const pressOk = async () => {
        const next = ask('ok');
        show(next);
        if (next.refusal) await showMessage(next.refusal, (text) => app.announce(text));
        if (next.choice) settle(next.choice);
      };
      show(state);
    },
    () => (ask('mayClose').mayClose ? { suit: state.suggested, autoDetect: state.autoDetect } : null),
    'suit-choice',
  );
}
