// プレーヤー選択: the three opponents in seat order, the user's name and
// sex. The core says what each button and click does; the dialog shows it.
import type { App } from '../app';
import type { Json } from '../core';
import { accessLetters, nameRow, optionFrame, uniqueId } from './controls';
import { showMessage } from './message';
import { buttonRow, captionText, make, runModal } from './modal';
import { PickList } from './pick_list';

interface Selection {
  out: string[];
  in: string[];
  name: string;
  sex: number;
  seats: Json;
  buttons: { moveIn: boolean; moveOut: boolean; ok: boolean };
  end?: { closes: boolean; accepted: boolean; message: Json | null };
}

export interface SelectionAnswer {
  ok: boolean;
  setup: Json;
}

function listColumn(caption: string): { column: HTMLElement; list: PickList } {
  const column = make('div', 'pick-column');
  const heading = make('div', 'pick-heading', caption);
  heading.id = uniqueId('heading');
  const list = new PickList(heading.id);
  column.append(heading, list.element);
  return { column, list };
}

function arrowButton(caption: string, label: string): HTMLButtonElement {
  const button = make('button', 'arrow-button', caption);
  button.type = 'button';
  button.setAttribute('aria-label', label);
  return button;
}

export function selectPlayers(app: App, setup: Json): Promise<SelectionAnswer> {
  let state: Selection = app.core.query('playerSelection', { act: 'open', setup });
  const { row: nameLine, input: nameBox } = nameRow('名前： (&N)', state.name);
  const ask = (act: string, entry = -1): Selection =>
    app.core.query('playerSelection', { act, state: { ...state, name: nameBox.value }, entry });

  return runModal<SelectionAnswer>(
    'プレーヤー選択',
    (body, settle) => {
      const out = listColumn('参加しないプレーヤー');
      const chosen = listColumn('参加するプレーヤー');
      const moveIn = arrowButton('→', '参加させる');
      const moveOut = arrowButton('←', '参加させない');
      const arrows = make('div', 'pick-arrows');
      arrows.append(moveIn, moveOut);
      const lists = make('div', 'pick-lists');
      lists.append(out.column, arrows, chosen.column);

      const characters = make('button', 'characters-button', captionText('キャラクター説明 (&C)'));
      characters.type = 'button';
      characters.addEventListener('click', () => void app.commands.get('mnuCHAR')?.(-1));
      const sex = optionFrame('あなたの性別 (&S)', ['男性', '中性', '女性'], state.sex, (option) => (state.sex = option));
      body.append(lists, characters, nameLine, sex.frame);
      const okRow = buttonRow<'ok' | 'cancel'>(
        body,
        [
          { caption: 'OK', value: 'ok', isDefault: true },
          { caption: 'キャンセル', value: 'cancel', isCancel: true },
        ],
        (value) => (value === 'ok' ? void pressOk() : settle({ ok: false, setup: state.seats })),
      );
      const ok = okRow.querySelector<HTMLButtonElement>('button.default')!;

      const show = (next: Selection) => {
        state = next;
        out.list.fill(state.out);
        chosen.list.fill(state.in);
        moveIn.disabled = !state.buttons.moveIn;
        moveOut.disabled = !state.buttons.moveOut;
        ok.disabled = !state.buttons.ok;
        // A button that greyed itself under the keys hands them to a list.
        if (document.activeElement === moveIn && moveIn.disabled) chosen.list.element.focus();
        if (document.activeElement === moveOut && moveOut.disabled) out.list.element.focus();
      };
      const pressOk = async () => {
        const next = ask('ok');
        show(next);
        if (next.end?.message) {
          await showMessage(next.end.message, (text) => app.announce(text));
          nameBox.focus();
          nameBox.select();
        }
        if (next.end?.closes) settle({ ok: next.end.accepted, setup: next.seats });
      };
      moveIn.addEventListener('click', () => show(ask('moveIn', out.list.selection)));
      moveOut.addEventListener('click', () => show(ask('moveOut', chosen.list.selection)));
      out.list.onClick = (entry) => show(ask('clickOut', entry));
      chosen.list.onClick = (entry) => show(ask('clickIn', entry));
      accessLetters(body, {
        c: () => characters.click(),
        n: () => nameBox.focus(),
        s: () => (sex.inputs.find((input) => input.checked) ?? sex.inputs[0]).focus(),
      });
      show(state);
    },
    () => ({ ok: false, setup: state.seats }),
    'player-selection',
  );
}
