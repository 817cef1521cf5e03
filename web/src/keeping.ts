// What the page keeps beyond a visit: the site itself, for play without a
// network, and the data files, out to a zip and back in.
import type { App } from './app';
import { registerDataTransfer } from './data_transfer';
import { registerServiceWorker } from './offline';

export function registerKeeping(app: App): void {
  registerServiceWorker();
  registerDataTransfer(app);
}
