// The pieces the dialogs share: labelled boxes, framed option groups, and
// Alt with a caption's letter, as the desktop's "(&N)".
import { captionText, make, runModal } from './modal';

const kCancelled = Symbol('cancelled');

// A dialog whose キャンセル, Esc included, answers null (to runModal a null
// from Esc means "stay open").
export async function runCancellable<T>(
  title: string,
  build: (body: HTMLElement, settle: (value: T | null) => void) => void,
  className: string,
): Promise<T | null> {
  const answer = await runModal<T | typeof kCancelled>(
    title,
    (body, settle) => build(body, (value) => settle(value === null ? kCancelled : value)),
    () => kCancelled,
    className,
  );
  return answer === kCancelled ? null : (answer as T);
}

let serial = 0;
export function uniqueId(stem: string): string {
  return `${stem}-${++serial}`;
}

// A name is at most 32 characters, counted whole (never half a pair).
export const kNameMaxCharacters = 32;
export function limitName(text: string): string {
  return Array.from(text).slice(0, kNameMaxCharacters).join('');
}

// A label and its box on one row; `keep` trims what is typed or pasted
// once any composition has ended.
export function textRow(caption: string, value: string, keep: (text: string) => string = (t) => t) {
  const row = make('div', 'field-row');
  const input = make('input');
  input.type = 'text';
  input.id = uniqueId('field');
  input.value = keep(value);
  input.autocomplete = 'off';
  const label = make('label', '', captionText(caption));
  label.htmlFor = input.id;
  const trim = () => {
    const kept = keep(input.value);
    if (kept !== input.value) input.value = kept;
  };
  input.addEventListener('input', (event) => {
    if (!(event as InputEvent).isComposing) trim();
  });
  input.addEventListener('compositionend', trim);
  row.append(label, input);
  return { row, input };
}

export function nameRow(caption: string, value: string) {
  return textRow(caption, value, limitName);
}

// A frame of option buttons; `checked` may be none of them.
export function optionFrame(legend: string, captions: string[], checked: number | null, pick: (option: number) => void) {
  const frame = make('fieldset', 'option-frame');
  frame.append(make('legend', '', captionText(legend)));
  const group = uniqueId('options');
  const inputs = captions.map((caption, i) => {
    const label = make('label', 'option');
    const input = make('input');
    input.type = 'radio';
    input.name = group;
    input.value = String(i);
    input.checked = checked === i;
    input.addEventListener('change', () => {
      if (input.checked) pick(i);
    });
    label.append(input, make('span', '', caption));
    frame.append(label);
    return input;
  });
  return { frame, inputs };
}

// Alt and a letter reaches the control whose caption holds "(&letter)".
export function accessLetters(body: HTMLElement, actions: Record<string, () => void>): void {
  body.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey) return;
    // By the key's place: with Alt, some layouts type another character.
    const act = actions[event.code.replace(/^Key/, '').toLowerCase()];
    if (!act) return;
    event.preventDefault();
    act();
  });
}

// The colour of a core's 0xRRGGBB.
export function cssColour(rgb: number): string {
  return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}
