// 得点説明, opened from a round's result: how a hand's points are counted.
import { buttonRow, make, runModal } from './modal';

const kFrames: [string, string[]][] = [
  [
    '基本ポイント',
    [
      '基本的にはその数字がそのままポイントになりますが、',
      'Aは15ポイント、Ｊ,Ｑ,Ｋは10ポイントです。',
      'ただし、葉っぱ変更に指定されている数字は、',
      '20ポイントで、さらに全ポイントが倍になります',
    ],
  ],
  [
    'その他',
    [
      '2をゲーム終了時にもっていれば、ドローツーです',
      'ズンパされたら全ポイントが３倍になります',
      'ズンパしたら、された側のポイント分マイナスされます',
      '2や葉っぱ変更のｶｰﾄﾞを複数持っていた場合は、',
      '倍々になります。',
    ],
  ],
];

export function showScoringExplanation(): Promise<void> {
  return runModal<void>(
    '得点説明',
    (body, settle) => {
      for (const [title, lines] of kFrames) {
        const frame = make('fieldset', 'text-frame');
        frame.append(make('legend', '', title), ...lines.map((line) => make('p', '', line)));
        body.append(frame);
      }
      body.append(make('p', 'explanation-note', '詳しくは、ﾍﾙﾌﾟをご覧ください'));
      buttonRow(body, [{ caption: 'OK', value: undefined, isDefault: true }], settle).classList.add('centred');
    },
    () => undefined,
    'scoring-explanation',
  );
}
