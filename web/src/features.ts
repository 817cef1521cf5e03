// The parts beyond the table, each from a module of its own.
import type { App } from './app';
import { registerDialogs } from './dialogs';
import { registerKeeping } from './keeping';
import { registerPanels } from './panels';
import { registerYomi } from './yomi/yomi';

export function registerFeatures(app: App): void {
  registerDialogs(app);
  registerPanels(app);
  registerKeeping(app);
  registerYomi(app);
}
