// The windows beside the table: 得点表 and 経過 in the side column, which
// follow the game as it is drawn; 得点ｸﾞﾗﾌ and the character sheet as
// dialogs, during which the computer waits.
import './panels.css';
import { type App, preferences } from '../app';
import { showCharacterSheet } from './character_sheet';
import { GameLog } from './game_log';
import { ScoreChart } from './score_chart';
import { ScoreTable } from './score_table';
import { installSideKeys } from './side_panel';

export { showCharacterSheet };

export function registerPanels(app: App): void {
  installSideKeys(() => app.giveKeysToTable());
  const scores = new ScoreTable(app.core);
  const log = new GameLog(app.core, (text) => app.announce(text));
  const chart = new ScoreChart(app.core);
  const c = app.commands;
  c.set('mneKEIKA', () => scores.show(true));
  c.set('mneKEIKA.auto', () => scores.show(false));

  const showLog = (shown: boolean) => {
    preferences.set('logPanel', String(shown));
    if (shown) log.show();
    else log.close();
    app.syncMenus();
  };
  c.set('mneLOG', () => showLog(!log.isOpen));
  app.pageChecks.set('mneLOG', () => log.isOpen);
  log.panel.onClosed = () => showLog(false);
  if (preferences.flag('logPanel', false)) log.show();

  c.set('mneCHART', () => app.between(() => chart.show()));
  c.set('mnuCHAR', () => app.between(() => showCharacterSheet(app.core)));
  app.afterRender.push(() => {
    scores.refresh();
    log.refresh();
    chart.refresh();
  });
}
