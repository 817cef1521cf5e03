// カード設定: which rank changes the suit, reverses and skips. The core
// refuses a choice that gives one rank two roles.
import type { App } from '../app';
import type { Json } from '../core';
import { runCancellable, uniqueId } from './controls';
import { showMessage } from './message';
import { buttonRow, make } from './modal';

const kRoles = ['葉っぱ変更のカード：', 'リバース・カード：', 'スキップ・カード：'];

function roleRow(caption: string, texts: string[], entry: number): { row: HTMLElement; list: HTMLSelectElement } {
  const row = make('div', 'field-row');
  const list = make('select');
  list.id = uniqueId('role');
  list.append(...texts.map((text, i) => new Option(text, String(i), false, i === entry)));
  const label = make('label', '', caption);
  label.htmlFor = list.id;
  row.append(label, list);
  return { row, list };
}

export function askCardRoles(app: App): Promise<Json | null> {
  const { entries, texts } = app.core.query('cardRoles', { act: 'open' });
  return runCancellable<Json>(
    'カード設定',
    (body, settle) => {
      const lists = kRoles.map((caption, i) => {
        const { row, list } = roleRow(caption, texts, entries[i]);
        body.append(row);
        return list;
      });
      const pressOk = async () => {
        const ok = app.core.query('cardRoles', { act: 'ok', entries: lists.map((list) => list.selectedIndex) });
        if (ok.refusal) await showMessage(ok.refusal, (text) => app.announce(text));
        if (ok.roles) settle(ok.roles);
      };
      buttonRow<'ok' | 'cancel'>(
        body,
        [
          { caption: 'OK', value: 'ok', isDefault: true },
          { caption: 'キャンセル', value: 'cancel', isCancel: true },
        ],
        (value) => (value === 'ok' ? void pressOk() : settle(null)),
      );
    },
    'card-roles',
  );
}

export async function editCardRoles(app: App): Promise<void> {
  const roles = await app.between(() => askCardRoles(app));
  if (roles) await app.play('roles', roles);
}
