// The parts beyond the table, each from a module of its own.
import type { App } from './app';
import { registerYomi } from './yomi/yomi';

export function registerFeatures(app: App): void {
  registerYomi(app);
}
