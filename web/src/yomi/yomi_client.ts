// 読み's worker as the page sees it: one question at a time, each newer
// one superseding the last, as the window's thinking thread. The answer to
// a question no longer asked is dropped; one that would take longer than
// starting a new worker (ふりかえり, or a hint on a slow machine) is cut by
// ending the worker, whose engine cannot be told to stop: the page and the
// worker share no memory.
import type { Json } from '../core';
import type { FromWorker } from './yomi_protocol';

interface Request {
  id: number;
  text: string;
  long: boolean;
  resolve: (reply: Json | null) => void;
  sentAt: number;
}

// What the page measured, for the docs and the benchmarks: from new
// Worker to its engine's being ready (the first start and each restart),
// and each reply's thinking inside the worker.
export interface YomiTimes {
  starts: number[];
  thinks: number[];
}

export class YomiClient {
  readonly times: YomiTimes = { starts: [], thinks: [] };
  private worker: Worker | null = null;
  private startedAt = 0;
  private ready = false;
  private nextId = 0;
  private running: Request | null = null;
  private waiting: Request | null = null;

  // Early, so that the first hint does not wait for the engine to load.
  start(): void {
    if (this.worker) return;
    this.startedAt = performance.now();
    this.ready = false;
    const worker = new Worker(new URL('./yomi_worker.ts', import.meta.url), { type: 'module' });
    worker.onmessage = (event: MessageEvent<FromWorker>) => this.heard(worker, event.data);
    worker.onerror = (event) => {
      event.preventDefault();
      this.failed(worker, event.message || '読みのワーカーが止まりました');
    };
    this.worker = worker;
  }

  // The reply, or null when something else was asked, or cancel() came, first.
  ask(request: object, long = false): Promise<Json | null> {
    this.cancel();
    this.start();
    return new Promise((resolve) => {
      this.waiting = { id: ++this.nextId, text: JSON.stringify(request), long, resolve, sentAt: 0 };
      this.sendNext();
    });
  }

  cancel(): void {
    this.waiting?.resolve(null);
    this.waiting = null;
    const running = this.running;
    if (!running) return;
    running.resolve(null);
    running.resolve = () => undefined;
    if (running.long || performance.now() - running.sentAt > this.restartCost()) this.restart();
  }

  get busy(): boolean {
    return this.running !== null || this.waiting !== null;
  }

  private restartCost(): number {
    const starts = this.times.starts;
    return starts.length > 0 ? Math.min(...starts) : 100;
  }

  private restart(): void {
    this.worker?.terminate();
    this.worker = null;
    this.running = null;
    this.start();
  }

  private sendNext(): void {
    if (this.running || !this.waiting || !this.worker) return;
    this.running = this.waiting;
    this.waiting = null;
    this.running.sentAt = performance.now();
    this.worker.postMessage({ id: this.running.id, request: this.running.text });
  }

  private heard(worker: Worker, message: FromWorker): void {
    if (worker !== this.worker) return;
    if (message.kind === 'ready') {
      this.ready = true;
      this.times.starts.push(performance.now() - this.startedAt);
      return;
    }
    if (message.kind === 'failed') return this.failed(worker, message.error);
    const running = this.running;
    if (!running || running.id !== message.id) return;
    this.running = null;
    this.times.thinks.push(message.ms);
    running.resolve(JSON.parse(message.reply));
    this.sendNext();
  }

  // Whatever was asked gets the failure; the next question starts a new worker.
  private failed(worker: Worker, error: string): void {
    if (worker !== this.worker) return;
    console.warn(`読み: ${error}`);
    worker.terminate();
    this.worker = null;
    for (const request of [this.running, this.waiting]) request?.resolve({ error });
    this.running = this.waiting = null;
  }

  get engineReady(): boolean {
    return this.ready;
  }
}
