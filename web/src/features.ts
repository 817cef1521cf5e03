// The parts beyond the table, each from a module of its own.
import type { App } from './app';
import { registerPanels } from './panels';
import { registerKeeping } from './keeping';

export function registerFeatures(app: App): void {
  registerPanels(app);
  registerKeeping(app);
}
