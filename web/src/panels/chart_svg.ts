// The score chart drawn as SVG at the size it is given: the Zunpa rounds
// as bands with the winners' stars over them, the totals' grid, the four
// lines and the symbols of halvings, doublings and calls.
import { colourText } from './sheet_cell';
import {
  type Axis,
  type ChartFrame,
  type ChartSymbol,
  type Marks,
  frameOf,
  kRounds,
  roundLabelEvery,
  starPoints,
  symbolOf,
  trianglePoints,
} from './chart_frame';

export interface ChartData {
  ground: number;
  roundsPlayed: number;
  axis: Axis;
  series: { name: string; colour: number; points: { round: number; total: number; marks: Marks }[] }[];
  zunpaRounds: { round: number; callers: number[]; countered: boolean }[];
}

const kNs = 'http://www.w3.org/2000/svg';
export const kInk = '#d8dee9';
const kFaintInk = '#9aa3b2';
const kGrid = '#2c3340';
const kZeroLine = '#6b7585';
export const kBand = 'rgb(255 255 255 / 11%)';
export const kSymbolRadius = 4.5;
const kTotalsTitle = '得点';

type Attributes = Record<string, string | number>;

export function svgElement<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Attributes, parent?: Element) {
  const el = document.createElementNS(kNs, tag);
  for (const [name, value] of Object.entries(attributes)) el.setAttribute(name, String(value));
  parent?.append(el);
  return el;
}

function text(parent: Element, x: number, y: number, content: string, attributes: Attributes): void {
  svgElement('text', { x, y, 'dominant-baseline': 'central', ...attributes }, parent).textContent = content;
}

function line(parent: Element, x1: number, y1: number, x2: number, y2: number, stroke: string, width = 1): void {
  svgElement('line', { x1, y1, x2, y2, stroke, 'stroke-width': width }, parent);
}

// `ground` outlines filled shapes so that crossing lines do not swallow them.
export function drawSymbol(parent: Element, symbol: ChartSymbol, cx: number, cy: number, r: number, colour: string, ground: string) {
  const outlined = { stroke: ground, 'stroke-width': 1.2, 'stroke-linejoin': 'round' };
  switch (symbol) {
    case 'plain':
      svgElement('circle', { cx, cy, r: r * 0.6, fill: colour, stroke: ground, 'stroke-width': 1 }, parent);
      return;
    case 'halved':
    case 'doubled':
      svgElement('polygon', { points: trianglePoints(cx, cy, r * 1.35, symbol === 'halved'), fill: colour, ...outlined }, parent);
      return;
    case 'zunpaWin':
      svgElement('polygon', { points: starPoints(cx, cy, r), fill: colour, ...outlined }, parent);
      return;
    case 'counterWin':
      svgElement('polygon', { points: starPoints(cx, cy, r), fill: ground, stroke: colour, 'stroke-width': 1.6, 'stroke-linejoin': 'round' }, parent);
      return;
    case 'zunpaLoss': {
      const a = r * 0.8;
      for (const [stroke, width] of [[ground, 4], [colour, 2]] as const) {
        const cross = { stroke, 'stroke-width': width, 'stroke-linecap': 'round' };
        svgElement('line', { x1: cx - a, y1: cy - a, x2: cx + a, y2: cy + a, ...cross }, parent);
        svgElement('line', { x1: cx - a, y1: cy + a, x2: cx + a, y2: cy - a, ...cross }, parent);
      }
    }
  }
}

function drawBands(g: Element, f: ChartFrame, chart: ChartData, ground: string): void {
  const width = f.roundWidth * 0.7;
  for (const call of chart.zunpaRounds) {
    svgElement('rect', { x: f.x(call.round) - width / 2, y: f.plot.top, width, height: f.plot.height, fill: kBand }, g);
    // Who won the round, at the top of its band.
    const step = kSymbolRadius * 2.4;
    let x = f.x(call.round) - (step * (call.callers.length - 1)) / 2;
    for (const seat of call.callers) {
      const colour = colourText(chart.series[seat - 1].colour);
      drawSymbol(g, call.countered ? 'counterWin' : 'zunpaWin', x, f.plot.top - kSymbolRadius - 3, kSymbolRadius * 0.9, colour, ground);
      x += step;
    }
  }
}

function drawTotalsAxis(g: Element, f: ChartFrame, small: number): void {
  for (const tick of f.axis.ticks) {
    const y = f.y(tick);
    line(g, f.plot.left, y, f.plot.left + f.plot.width, y, tick === 0 ? kZeroLine : kGrid, tick === 0 ? 1.4 : 1);
    text(g, f.plot.left - 6, y, String(tick), { 'text-anchor': 'end', fill: kFaintInk, 'font-size': small });
  }
  // Over the labels, level with the winners' stars above the plot.
  text(g, f.plot.left - 6, f.plot.top - small - 2, kTotalsTitle, { 'text-anchor': 'end', fill: kInk, 'font-size': small });
}

function drawRoundsAxis(g: Element, f: ChartFrame, small: number, measure: (text: string) => number): void {
  const every = roundLabelEvery(f.roundWidth, measure('20') + 6);
  for (let round = 1; round <= kRounds; ++round) {
    const x = f.x(round);
    line(g, x, f.bottom, x, f.bottom + 4, kGrid);
    if (round % every === 0)
      text(g, x, f.bottom + 5 + small / 2, String(round), { 'text-anchor': 'middle', fill: kFaintInk, 'font-size': small });
  }
  line(g, f.plot.left, f.bottom, f.plot.left + f.plot.width, f.bottom, kZeroLine);
  line(g, f.plot.left, f.bottom, f.plot.left, f.plot.top, kZeroLine);
  text(g, f.plot.left + f.plot.width / 2, f.bottom + 7 + small * 1.7, 'ラウンド', { 'text-anchor': 'middle', fill: kInk, 'font-size': small });
}

function drawSeries(g: Element, f: ChartFrame, chart: ChartData, ground: string): void {
  for (const series of chart.series) {
    if (series.points.length === 0) continue;
    const d = [`M${f.x(0)},${f.y(0)}`, ...series.points.map((p) => `L${f.x(p.round)},${f.y(p.total)}`)].join(' ');
    const stroke = colourText(series.colour);
    svgElement('path', { d, fill: 'none', stroke, 'stroke-width': 2, 'stroke-linecap': 'round', 'stroke-linejoin': 'round' }, g);
  }
  // Plain rounds first, so that no seat's dot hides another's mark.
  for (const marked of [false, true])
    for (const series of chart.series)
      for (const p of series.points) {
        const symbol = symbolOf(p.marks);
        if ((symbol !== 'plain') === marked)
          drawSymbol(g, symbol, f.x(p.round), f.y(p.total), kSymbolRadius, colourText(series.colour), ground);
      }
}

export function drawChart(svg: SVGSVGElement, chart: ChartData, width: number, height: number, font: number, measure: (text: string) => number): void {
  const small = font * 0.9;
  const ground = colourText(chart.ground);
  const labelWidth = Math.max(measure(kTotalsTitle), ...chart.axis.ticks.map((t) => measure(String(t))));
  const frame = frameOf(width, height, labelWidth, small * 1.25, chart.axis);
  svg.replaceChildren();
  svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
  svg.setAttribute('width', String(width));
  svg.setAttribute('height', String(height));
  svgElement('rect', { x: 0, y: 0, width, height, fill: ground }, svg);
  drawBands(svg, frame, chart, ground);
  drawTotalsAxis(svg, frame, small);
  drawRoundsAxis(svg, frame, small, measure);
  drawSeries(svg, frame, chart, ground);
  if (chart.roundsPlayed === 0)
    text(svg, frame.plot.left + frame.plot.width / 2, frame.plot.top + frame.plot.height / 2, 'まだ得点がありません', {
      'text-anchor': 'middle',
      fill: kFaintInk,
      'font-size': font,
    });
}
