// What the menus' items do, as the desktop window's: the game's commands
// go to the core, the options through the core's own rules of the menus.
import { type App, preferences } from './app';

const kOptionItems = ['flgSOKUDO', 'flgSUBETE', 'flgMsgSkip', 'flgMsgRev', 'flgMsgNi', 'flgMsgCS', 'mneSOUND', 'mneSOUNDC', 'mnuKEN'];

export function registerCommands(app: App): void {
  const c = app.commands;
  c.set('mneNEW', () => void app.play('new'));
  // The continued game keeps the number it was saved with.
  c.set('mneCONTINUE', () => void app.play('continue', { number: preferences.get('savedGameNumber') ?? '' }));
  c.set('mneSAVE', () => void app.play('save'));
  c.set('mneHiScore', () => void app.play('highScores'));
  c.set('mneEXIT', () => void app.play('exit'));
  c.set('stopped', () => {
    app.stop();
    document.body.dataset.stopped = 'true';
  });
  for (const name of kOptionItems) c.set(name, (index) => void app.play('option', { name, index }));
  c.set('mneMOTION', () => {
    app.table.motion = !app.table.motion;
    preferences.set('cardMotion', String(app.table.motion));
  });
  app.pageChecks.set('mneMOTION', () => app.table.motion);
  c.set('mneMOKUJI', () => {
    window.open('Zunpas.html', '_blank', 'noopener');
  });
}
