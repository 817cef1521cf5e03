// 得点ｸﾞﾗﾌ: the four running totals over the rounds, drawn at the size the
// dialog has, with its legend beside or below it and the same totals as a
// table for those who cannot see the lines.
import type { Core } from '../core';
import { buttonRow, make, runModal } from '../dialogs/modal';
import { type ChartData, drawChart, drawSymbol, kBand, kInk, kSymbolRadius, svgElement } from './chart_svg';
import { type ChartSymbol, marksText } from './chart_frame';
import { colourText } from './sheet_cell';

const kFont = 13;
const kSymbolLegend: [ChartSymbol, string][] = [
  ['halved', '半減'],
  ['doubled', '倍増'],
  ['zunpaWin', 'ズンパ勝ち'],
  ['counterWin', 'ズンパ返し'],
  ['zunpaLoss', 'ズンパ負け'],
];

function sample(draw: (svg: SVGSVGElement) => void): SVGSVGElement {
  const svg = svgElement('svg', { width: 30, height: 16, viewBox: '0 0 30 16', 'aria-hidden': 'true' });
  draw(svg);
  return svg;
}

export class ScoreChart {
  private figure: HTMLElement | null = null;
  private svg: SVGSVGElement | null = null;
  private legend: HTMLElement | null = null;
  private table: HTMLElement | null = null;
  private chart: ChartData | null = null;
  private shown = '';
  private readonly measurer = document.createElement('canvas').getContext('2d');

  constructor(private readonly core: Core) {}

  get isOpen(): boolean {
    return this.figure?.isConnected ?? false;
  }

  async show(): Promise<void> {
    const resized = new ResizeObserver(() => this.draw());
    await runModal<void>(
      '得点ｸﾞﾗﾌ',
      (body, settle) => {
        const layout = make('div', 'chart-layout');
        this.figure = make('figure', 'chart-figure');
        this.svg = svgElement('svg', { role: 'img' });
        this.figure.append(this.svg);
        this.legend = make('ul', 'chart-legend');
        this.legend.setAttribute('aria-label', '凡例');
        layout.append(this.figure, this.legend);
        const details = make('details', 'chart-table');
        details.append(make('summary', '', '得点の表'));
        this.table = make('div', 'chart-table-body');
        details.append(this.table);
        body.append(layout, details);
        buttonRow(body, [{ caption: '閉じる', value: undefined, isDefault: true, isCancel: true }], settle);
        this.shown = '';
        this.refresh();
        resized.observe(this.figure);
      },
      () => undefined,
      'score-chart',
    );
    resized.disconnect();
    this.figure = null;
  }

  refresh(): void {
    if (!this.figure) return;
    const chart: ChartData = this.core.query('chart');
    this.figure.parentElement!.style.background = colourText(chart.ground);
    const text = JSON.stringify(chart);
    if (text === this.shown) return;
    this.shown = text;
    this.chart = chart;
    this.svg!.setAttribute('aria-label', `得点ｸﾞﾗﾌ ${summaryOf(chart)}`);
    this.fillLegend(chart);
    this.fillTable(chart);
    this.draw();
  }

  private draw(): void {
    if (!this.figure || !this.chart || !this.figure.isConnected) return;
    const width = this.figure.clientWidth;
    const height = this.figure.clientHeight;
    if (width < 10 || height < 10) return;
    const font = getComputedStyle(this.figure).fontFamily;
    const measure = (text: string) => {
      if (!this.measurer) return text.length * kFont * 0.9;
      this.measurer.font = `${kFont * 0.9}px ${font}`;
      return this.measurer.measureText(text).width;
    };
    drawChart(this.svg!, this.chart, width, height, kFont, measure);
  }

  private fillLegend(chart: ChartData): void {
    const ground = colourText(chart.ground);
    const rows: HTMLElement[] = [];
    for (const series of chart.series) {
      if (!series.name) continue;
      const colour = colourText(series.colour);
      const icon = sample((svg) => {
        svgElement('line', { x1: 2, y1: 8, x2: 28, y2: 8, stroke: colour, 'stroke-width': 2.5, 'stroke-linecap': 'round' }, svg);
        drawSymbol(svg, 'plain', 15, 8, kSymbolRadius, colour, ground);
      });
      rows.push(legendRow(icon, series.name, 'series'));
    }
    for (const [symbol, words] of kSymbolLegend)
      rows.push(legendRow(sample((svg) => drawSymbol(svg, symbol, 15, 8, kSymbolRadius, kInk, ground)), words));
    const band = sample((svg) => svgElement('rect', { x: 10, y: 0, width: 10, height: 16, fill: kBand }, svg));
    rows.push(legendRow(band, 'ズンパの回'));
    this.legend!.replaceChildren(...rows);
  }

  private fillTable(chart: ChartData): void {
    if (chart.roundsPlayed === 0) {
      this.table!.replaceChildren(make('p', '', 'まだ得点がありません'));
      return;
    }
    const table = make('table');
    const head = make('tr');
    const corner = make('th', '', 'ラウンド');
    corner.scope = 'col';
    head.append(corner);
    for (const series of chart.series) {
      const th = make('th', '', series.name);
      th.scope = 'col';
      head.append(th);
    }
    const thead = make('thead');
    thead.append(head);
    const tbody = make('tbody');
    for (let round = 1; round <= chart.roundsPlayed; ++round) {
      const row = make('tr');
      const th = make('th', '', String(round));
      th.scope = 'row';
      row.append(th);
      for (const series of chart.series) {
        const point = series.points.find((p) => p.round === round);
        const words = point ? marksText(point.marks) : '';
        row.append(make('td', '', point ? `${point.total}${words ? `（${words}）` : ''}` : ''));
      }
      tbody.append(row);
    }
    table.append(thead, tbody);
    this.table!.replaceChildren(table);
  }
}

function legendRow(icon: SVGSVGElement, words: string, className = ''): HTMLElement {
  const li = make('li', className);
  li.append(icon, make('span', '', words));
  return li;
}

// The last totals, for the chart's accessible name.
function summaryOf(chart: ChartData): string {
  if (chart.roundsPlayed === 0) return 'まだ得点がありません';
  const totals = chart.series
    .filter((s) => s.points.length > 0)
    .map((s) => `${s.name} ${s.points[s.points.length - 1].total}点`)
    .join('、');
  return `第${chart.roundsPlayed}ラウンドまで ${totals}`;
}
