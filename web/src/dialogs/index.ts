// The core's dialogs and the menus' own windows, as the desktop has them.
import type { App } from '../app';
import { showAbout } from './about';
import { editCardRoles } from './card_roles';
import { showFinalResult } from './final_result';
import { newNumberedGame } from './game_number';
import { showHighScores } from './high_scores';
import { enterName } from './name_entry';
import { selectPlayers } from './player_selection';
import { showRoundResult } from './round_result';
import { chooseSuit } from './suit_choice';
import './dialogs.css';

export function registerDialogs(app: App): void {
  const host = app.host;
  host.register('selectPlayers', (data) => selectPlayers(app, data));
  host.register('chooseSuit', (data) => chooseSuit(app, data));
  host.register('roundResult', (data) => showRoundResult(app, data));
  host.register('finalResult', (data) => showFinalResult(data));
  host.register('enterName', (data) => enterName(data.message, data.preset));
  host.register('highScores', (data) => showHighScores(data));
  app.commands.set('mneNEWNUM', () => newNumberedGame(app));
  app.commands.set('mnuCSET', () => editCardRoles(app));
  app.commands.set('mneVER', () => app.between(showAbout));
}
