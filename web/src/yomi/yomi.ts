// 読み in the page, as in the desktop window: ﾋﾝﾄ (H) rings the engine's
// choice and tags each choice with its worth, and moves the keys there;
// 問いにも読み weighs a question's answers in one line while its box is up;
// ふりかえり looks back on the game's decisions. The engine thinks in a
// worker, so the page never waits on it, and a move takes its advice away.
import './yomi.css';
import { type App, preferences } from '../app';
import type { Json } from '../core';
import { HintView, type YomiHint } from './hint_view';
import { showLookBack } from './look_back_dialog';
import { YomiClient, type YomiTimes } from './yomi_client';
import { fitAdviceLine } from './advice_line';

declare global {
  interface Window {
    // What the benchmarks and tests read: the worker's answers to given
    // bytes and the times it took, and what the page would hand it now.
    zunpaYomiTest: {
      ask(request: object): Promise<Json | null>;
      cancel(): void;
      times: YomiTimes;
      question(): Json | null;
      table(): Json;
      decisions(): Json;
    };
  }
}

const kOnQuestions = 'yomiOnQuestions';

function askedOf(question: Json): object {
  return question.suitChoice ? { suitChoice: true } : { asked: question.asked, suit: question.suit };
}

function stopsKey(view: Json): string {
  return JSON.stringify(view?.stops ?? []);
}

export function registerYomi(app: App): void {
  const client = new YomiClient();
  const hint = new HintView(app.table);
  const onQuestions = () => preferences.flag(kOnQuestions, false);

  const showHint = () => {
    hint.clear();
    const view = app.table.view;
    if (app.core.busy || !view?.stops?.length) return;
    const stops = stopsKey(view);
    const ask = app.core.query('yomiAsk');
    void client.ask({ op: 'hint', input: ask.input, seed: ask.seed }).then((reply: Json | null) => {
      if (!reply || reply.error || app.core.busy || stopsKey(app.table.view) !== stops) return;
      const h = reply as YomiHint;
      if (!hint.show(h)) return;
      app.table.focusStop(h.best!);
      const worth = h.tags.find((t) => t.best)?.text;
      app.announce(`ヒント：${h.words}${worth ? ` ${worth}` : ''}`);
    });
  };

  // Only while asked for (表示 → 問いにも読み); the box itself is left alone.
  const weigh = (question: Json | null) => {
    if (!question || !onQuestions()) return;
    const ask = app.core.query('yomiAsk', askedOf(question));
    if (ask.question === null) return;
    showAdvice('読み：…');
    void client.ask({ op: 'advice', question: ask.question, input: ask.input, seed: ask.seed }).then((reply: Json | null) => {
      if (reply && app.question === question) showAdvice(reply.error ? '' : reply.line);
    });
  };
  const showAdvice = (text: string) => {
    app.table.setAdvice(text);
    fitAdviceLine(document.getElementById('lblYOMI')!);
  };

  app.commands.set('mneHINT', showHint);
  app.commands.set('mneYOMI', () => preferences.set(kOnQuestions, String(!onQuestions())));
  app.pageChecks.set('mneYOMI', onQuestions);
  app.commands.set('mneFURIKAERI', () => app.between(() => showLookBack(app, client)));
  app.commands.set('question.open', () => weigh(app.question));
  app.commands.set('question.close', () => {
    client.cancel();
    showAdvice('');
  });
  app.beforeCommand.push(() => {
    client.cancel();
    hint.clear();
  });
  app.afterRender.push((view) => {
    // The engine loads while the user looks at the first hand.
    if (view?.stops?.length) client.start();
  });
  window.zunpaYomiTest = {
    ask: (request) => client.ask(request, (request as { op?: string }).op === 'lookBack'),
    cancel: () => client.cancel(),
    times: client.times,
    question: () => app.question,
    table: () => app.core.query('yomiAsk', app.question ? askedOf(app.question) : {}),
    decisions: () => app.core.query('yomiDecisions'),
  };
}
