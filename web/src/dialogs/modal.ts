// The page's modal dialogs: a <dialog> shown modally over the table, with
// the desktop's texts and buttons. Enter presses the default button, Esc
// the cancel one; the keys go back to the table when it closes.

export interface ModalButton<T> {
  caption: string;
  value: T;
  isDefault?: boolean;
  isCancel?: boolean;
  accessKey?: string;
}

export function captionText(caption: string): string {
  // "はい(&Y)" shows as "はい(Y)"; "&&" would be a lone "&".
  return caption.replace(/&(.)/g, '$1');
}

export function make<K extends keyof HTMLElementTagNameMap>(tag: K, className = '', text?: string): HTMLElementTagNameMap[K] {
  const el = document.createElement(tag);
  if (className) el.className = className;
  if (text !== undefined) el.textContent = text;
  return el;
}

let returnFocus: (() => void) | null = null;
export function onModalClosed(give: () => void): void {
  returnFocus = give;
}

let open = 0;
export function modalOpen(): boolean {
  return open > 0;
}

// Opens `dialog`, resolves with what `settle` is called with, and removes
// it. `cancel` is what Esc gives; null lets Esc do nothing.
export function runModal<T>(
  title: string,
  build: (body: HTMLElement, settle: (value: T) => void) => void,
  cancel: (() => T | null) | null,
  className = '',
): Promise<T> {
  return new Promise<T>((resolve) => {
    const dialog = make('dialog', `modal ${className}`);
    const heading = make('h2', 'modal-title', title);
    heading.id = `modal-title-${Date.now()}-${open}`;
    dialog.setAttribute('aria-labelledby', heading.id);
    const body = make('div', 'modal-body');
    dialog.append(heading, body);
    let settled = false;
    const settle = (value: T) => {
      if (settled) return;
      settled = true;
      dialog.close();
      dialog.remove();
      --open;
      if (open === 0) returnFocus?.();
      resolve(value);
    };
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      const value = cancel ? cancel() : null;
      if (value !== null) settle(value);
    });
    build(body, settle);
    document.body.append(dialog);
    ++open;
    dialog.showModal();
    const first = dialog.querySelector<HTMLElement>('[autofocus]') ?? dialog.querySelector<HTMLElement>('button.default');
    first?.focus();
  });
}

// A row of buttons; Enter anywhere but on another button presses the default.
export function buttonRow<T>(body: HTMLElement, buttons: ModalButton<T>[], press: (value: T) => void): HTMLElement {
  const row = make('div', 'modal-buttons');
  for (const b of buttons) {
    const button = make('button', b.isDefault ? 'default' : '', captionText(b.caption));
    button.type = 'button';
    if (b.accessKey) button.dataset.key = b.accessKey;
    button.addEventListener('click', () => press(b.value));
    row.append(button);
  }
  body.append(row);
  body.addEventListener('keydown', (event) => {
    const target = event.target as HTMLElement;
    if (event.key === 'Enter' && target.tagName !== 'BUTTON' && target.tagName !== 'TEXTAREA') {
      const def = buttons.find((b) => b.isDefault);
      if (def) {
        event.preventDefault();
        press(def.value);
      }
      return;
    }
    if (event.altKey || event.ctrlKey || event.metaKey || target.tagName === 'INPUT') return;
    const keyed = buttons.find((b) => b.accessKey && b.accessKey.toLowerCase() === event.key.toLowerCase());
    if (keyed) {
      event.preventDefault();
      press(keyed.value);
    }
  });
  return row;
}
