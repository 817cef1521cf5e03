// The parts beyond the table, each from a module of its own.
import type { App } from './app';

export function registerFeatures(app: App): void {
  void app;
}
