// The parts beyond the table, each from a module of its own.
import type { App } from './app';
import { registerKeeping } from './keeping';

export function registerFeatures(app: App): void {
  registerKeeping(app);
}
