// 読み's worker: its own instance of the engine, built without Asyncify,
// takes the page's requests one at a time and answers each with the time
// it thought. The page never waits on it.
import createYomiWorker from '@worker/zunpa-yomi-worker.js';
import wasmUrl from '@worker/zunpa-yomi-worker.wasm?url';
import type { FromWorker, ToWorker } from './yomi_protocol';

interface Engine {
  ccall(name: string, returns: string, args: string[], values: unknown[]): string;
}

const scope = self as unknown as DedicatedWorkerGlobalScope;
const post = (message: FromWorker) => scope.postMessage(message);
const started = performance.now();

const engine = (
  createYomiWorker({
    locateFile: () => wasmUrl,
    print: () => undefined,
    printErr: (text: string) => console.warn(text),
  }) as Promise<Engine>
).then(
  (e) => {
    post({ kind: 'ready', ms: performance.now() - started });
    return e;
  },
  (error: unknown) => {
    post({ kind: 'failed', error: String(error) });
    return null;
  },
);

scope.onmessage = async (event: MessageEvent<ToWorker>) => {
  const e = await engine;
  const { id, request } = event.data;
  if (!e) return post({ kind: 'reply', id, reply: JSON.stringify({ error: '読みを始められません' }), ms: 0 });
  const begin = performance.now();
  const reply = e.ccall('zy_run', 'string', ['string'], [request]);
  post({ kind: 'reply', id, reply, ms: performance.now() - begin });
};
