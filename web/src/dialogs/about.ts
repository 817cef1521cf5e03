// ズンパＳのﾊﾞｰｼﾞｮﾝ情報.
import { buttonRow, make, runModal } from './modal';

export const kProgramTitle = 'ズンパＳ';
// The desktop's project version; a test holds the two together.
export const kVersion = '1.0.9';

export function showAbout(): Promise<void> {
  return runModal<void>(
    `${kProgramTitle}のﾊﾞｰｼﾞｮﾝ情報`,
    (body, settle) => {
      const icon = make('img', 'about-icon');
      icon.src = 'icons/icon-192.png';
      icon.alt = '';
      const lines = make('div', 'about-lines');
      lines.append(
        make('p', 'about-title', kProgramTitle),
        make('p', '', `ﾊﾞｰｼﾞｮﾝ ${kVersion}`),
        make('p', 'about-gap', '場のカードと手札の合計が同じなら「ズンパ！」。'),
        make('p', '', '３人のキャラクターを相手に20ラウンドを戦います。'),
      );
      const row = make('div', 'about-row');
      row.append(icon, lines);
      body.append(row);
      buttonRow(body, [{ caption: 'OK', value: undefined, isDefault: true, isCancel: true }], settle);
    },
    () => undefined,
    'about',
  );
}
