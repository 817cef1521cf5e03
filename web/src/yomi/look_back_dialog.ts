// frmFURIKAERI, "ふりかえり": the user's decisions of the game so far where
// 読み's choice was worth clearly more, newest round first. The worker
// weighs them while the window is up; closing it cuts that short.
import type { App } from '../app';
import type { Json } from '../core';
import { buttonRow, make, runModal } from '../dialogs/modal';
import type { YomiClient } from './yomi_client';

const kColumns = ['ﾗｳﾝﾄﾞ', '場面', 'あなた', '読み', '差'];

function rowsTable(): { table: HTMLTableElement; body: HTMLTableSectionElement } {
  const table = make('table', 'look-back-rows');
  table.id = 'lstFURIKAERI';
  const head = table.createTHead().insertRow();
  for (const caption of kColumns) {
    const th = make('th', '', caption);
    th.scope = 'col';
    head.append(th);
  }
  return { table, body: table.createTBody() };
}

function fill(body: HTMLTableSectionElement, rows: Json[]): void {
  for (const r of rows) {
    const tr = body.insertRow();
    for (const [key, className] of [
      ['round', 'number'],
      ['situation', 'situation'],
      ['chosen', ''],
      ['preferred', ''],
      ['difference', 'number'],
    ]) {
      const td = tr.insertCell();
      td.textContent = String(r[key]);
      if (className) td.className = className;
    }
  }
}

export function showLookBack(app: App, client: YomiClient): Promise<void> {
  const decisions = app.core.query('yomiDecisions').decisions;
  return runModal<void>(
    'ふりかえり',
    (body, settle) => {
      const status = make('p', 'look-back-status', '読み中…');
      status.id = 'lblFURIKAERI';
      status.setAttribute('role', 'status');
      const { table, body: rows } = rowsTable();
      const scroller = make('div', 'look-back-scroller');
      scroller.append(table);
      body.append(status, scroller);
      const close = () => {
        client.cancel();
        settle();
      };
      buttonRow(body, [{ caption: 'OK', value: undefined, isDefault: true, isCancel: true }], close);
      body.querySelector('button')!.id = 'cmdOK';
      void client.ask({ op: 'lookBack', decisions }, true).then((reply) => {
        if (!reply) return;
        if (reply.error) {
          status.textContent = `読みができませんでした：${reply.error}`;
          return;
        }
        status.textContent = reply.status;
        fill(rows, reply.rows);
        body.parentElement!.dataset.done = 'true';
      });
    },
    () => {
      client.cancel();
      return undefined as void;
    },
    'look-back',
  );
}
