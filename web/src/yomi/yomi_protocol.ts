// What the page and 読み's worker say to each other: a request as JSON
// text (see web/worker/yomi_requests.h), its reply as JSON text.
export interface ToWorker {
  id: number;
  request: string;
}

export type FromWorker =
  | { kind: 'ready'; ms: number }
  | { kind: 'failed'; error: string }
  | { kind: 'reply'; id: number; reply: string; ms: number };
