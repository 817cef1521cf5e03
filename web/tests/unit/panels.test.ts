// The side windows' pure parts: the chart's geometry and symbols, and the
// words a reader hears for a score cell's style or a chart point's marks.
import { describe, expect, it } from 'vitest';
import { frameOf, marksText, roundLabelEvery, symbolOf, type Marks } from '../../src/panels/chart_frame';
import { cellMeaning, colourText } from '../../src/panels/sheet_cell';

const none: Marks = { halved: false, doubled: false, wentOut: false, zunpaCall: false, counterCall: false, zunpaLoss: false };

describe('the chart frame', () => {
  const axis = { low: -100, high: 400, step: 100, ticks: [-100, 0, 100, 200, 300, 400] };
  const frame = frameOf(640, 400, 30, 15, axis);

  it('puts round 0 on the plot’s left edge and round 20 on its right', () => {
    expect(frame.x(0)).toBe(frame.plot.left);
    expect(frame.x(20)).toBeCloseTo(frame.plot.left + frame.plot.width);
    expect(frame.plot.left + frame.plot.width).toBeLessThanOrEqual(640);
  });

  it('puts the axis ends on the plot’s bottom and top, totals upward', () => {
    expect(frame.y(-100)).toBeCloseTo(frame.bottom);
    expect(frame.y(400)).toBeCloseTo(frame.plot.top);
    expect(frame.y(0)).toBeCloseTo(frame.bottom - frame.plot.height / 5);
  });

  it.each([
    [30, 20, 1],
    [15, 20, 2],
    [5, 20, 5],
    [1, 20, 10],
  ])('numbers every round that has room: %d wide, %d needed → every %d', (width, needed, every) => {
    expect(roundLabelEvery(width, needed)).toBe(every);
  });
});

describe('a point’s symbol and words', () => {
  it.each([
    [{}, 'plain', ''],
    [{ halved: true, zunpaCall: true }, 'halved', '半減・ズンパ勝ち'],
    [{ doubled: true }, 'doubled', '倍増'],
    [{ zunpaCall: true, counterCall: true }, 'counterWin', 'ズンパ返し'],
    [{ zunpaCall: true }, 'zunpaWin', 'ズンパ勝ち'],
    [{ zunpaLoss: true }, 'zunpaLoss', 'ズンパ負け'],
    [{ wentOut: true }, 'plain', 'あがり勝ち'],
  ])('%o is drawn %s and read %s', (marks, symbol, words) => {
    expect(symbolOf({ ...none, ...marks })).toBe(symbol);
    expect(marksText({ ...none, ...marks })).toBe(words);
  });
});

describe('a score cell’s style in words', () => {
  const plain = { colour: 0, italic: false, size: 9, underline: false };
  it.each([
    [plain, ''],
    [{ ...plain, colour: 0x0000ff }, 'ズンパ勝ち'],
    [{ ...plain, colour: 0x008000 }, 'あがり勝ち'],
    [{ ...plain, colour: 0xff0000, italic: true }, 'ズンパ負け・ズンパ返し'],
    [{ ...plain, underline: true, size: 8.25 }, '半減'],
    [{ ...plain, underline: true, size: 10 }, '倍'],
    [{ ...plain, size: 10 }, ''],
  ])('%o reads %s', (cell, words) => expect(cellMeaning(cell)).toBe(words));

  it('writes colours as six hex digits', () => {
    expect(colourText(0xff)).toBe('#0000ff');
    expect(colourText(0x1ffffff)).toBe('#ffffff');
  });
});
