// The chart's geometry: rounds 0 (the start, every total 0) to 20 across,
// totals up, the shapes of its symbols and the words of its marks. No
// drawing here.

export const kRounds = 20;
export const kPad = 10;

export interface Axis {
  low: number;
  high: number;
  step: number;
  ticks: number[];
}

export interface Marks {
  halved: boolean;
  doubled: boolean;
  wentOut: boolean;
  zunpaCall: boolean;
  counterCall: boolean;
  zunpaLoss: boolean;
}

export interface Box {
  left: number;
  top: number;
  width: number;
  height: number;
}

export class ChartFrame {
  constructor(
    readonly plot: Box,
    readonly axis: Axis,
  ) {}

  get roundWidth(): number {
    return this.plot.width / kRounds;
  }

  get bottom(): number {
    return this.plot.top + this.plot.height;
  }

  x(round: number): number {
    return this.plot.left + round * this.roundWidth;
  }

  y(total: number): number {
    const span = Math.max(1, this.axis.high - this.axis.low);
    return this.bottom - ((total - this.axis.low) * this.plot.height) / span;
  }
}

// Room on the left for the totals' labels, above for their title and the
// winners' stars, below for the rounds' numbers and caption.
export function frameOf(width: number, height: number, labelWidth: number, line: number, axis: Axis): ChartFrame {
  const top = kPad + line * 1.5 + 4;
  const left = kPad + labelWidth + 6;
  return new ChartFrame(
    { left, top, width: Math.max(1, width - left - kPad - 6), height: Math.max(1, height - top - kPad - 2 * line - 10) },
    axis,
  );
}

// Every round is numbered where there is room, else every second, fifth or tenth.
export function roundLabelEvery(roundWidth: number, needed: number): number {
  return [1, 2, 5].find((every) => roundWidth * every >= needed) ?? 10;
}

export type ChartSymbol = 'plain' | 'halved' | 'doubled' | 'zunpaWin' | 'counterWin' | 'zunpaLoss';

// A halving or doubling shows before a call.
export function symbolOf(marks: Marks): ChartSymbol {
  if (marks.halved) return 'halved';
  if (marks.doubled) return 'doubled';
  if (marks.counterCall) return 'counterWin';
  if (marks.zunpaCall) return 'zunpaWin';
  if (marks.zunpaLoss) return 'zunpaLoss';
  return 'plain';
}

// The words for a round's marks in the table, as the legend names them.
export function marksText(marks: Marks): string {
  const words: string[] = [];
  if (marks.halved) words.push('半減');
  if (marks.doubled) words.push('倍増');
  if (marks.counterCall) words.push('ズンパ返し');
  else if (marks.zunpaCall) words.push('ズンパ勝ち');
  if (marks.wentOut) words.push('あがり勝ち');
  if (marks.zunpaLoss) words.push('ズンパ負け');
  return words.join('・');
}

function pointsText(points: [number, number][]): string {
  return points.map(([x, y]) => `${round2(x)},${round2(y)}`).join(' ');
}

function round2(v: number): number {
  return Math.round(v * 100) / 100;
}

export function starPoints(cx: number, cy: number, r: number): string {
  const points: [number, number][] = [];
  for (let i = 0; i < 10; ++i) {
    const angle = -Math.PI / 2 + (i * Math.PI) / 5;
    const reach = i % 2 === 0 ? r * 1.6 : r * 0.7;
    points.push([cx + reach * Math.cos(angle), cy + reach * Math.sin(angle)]);
  }
  return pointsText(points);
}

// Down for a halving, up for a doubling.
export function trianglePoints(cx: number, cy: number, r: number, down: boolean): string {
  const d = down ? 1 : -1;
  return pointsText([
    [cx - r, cy - d * r * 0.8],
    [cx + r, cy - d * r * 0.8],
    [cx, cy + d * r],
  ]);
}
