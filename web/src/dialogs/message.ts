// The core's message boxes: text, title, buttons and icon as the desktop's.
import type { Json } from '../core';
import { buttonRow, make, runModal, type ModalButton } from './modal';

const kIcons: Record<string, string> = { Information: 'ℹ', Exclamation: '⚠', Question: '?', Critical: '✖' };

function buttonsOf(kind: string): ModalButton<string>[] {
  if (kind === 'YesNo')
    return [
      { caption: 'はい(&Y)', value: 'Yes', isDefault: true, accessKey: 'y' },
      { caption: 'いいえ(&N)', value: 'No', isCancel: true, accessKey: 'n' },
    ];
  if (kind === 'OkCancel')
    return [
      { caption: 'OK', value: 'Ok', isDefault: true },
      { caption: 'キャンセル', value: 'Cancel', isCancel: true },
    ];
  return [{ caption: 'OK', value: 'Ok', isDefault: true, isCancel: true }];
}

export function showMessage(m: Json, announce: (text: string) => void): Promise<string> {
  const buttons = buttonsOf(m.buttons);
  announce(m.text);
  return runModal<string>(
    m.title,
    (body, settle) => {
      const row = make('div', 'message-row');
      if (kIcons[m.icon]) {
        const icon = make('span', `message-icon icon-${m.icon}`, kIcons[m.icon]);
        icon.setAttribute('aria-hidden', 'true');
        row.append(icon);
      }
      const text = make('p', 'message-text', m.text);
      row.append(text);
      body.append(row);
      body.parentElement?.setAttribute('aria-describedby', (text.id = `message-${Date.now()}`));
      buttonRow(body, buttons, settle);
    },
    // Esc presses the second button (キャンセル, いいえ), or a lone OK.
    () => (buttons.find((b) => b.isCancel) ?? buttons[buttons.length - 1]).value,
    `message buttons-${m.buttons} ${m.asked !== 'None' ? 'question' : ''}`,
  );
}
