#include "dialogs/score_chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "dialogs/chart_symbols.h"

namespace zunpa::qt {
namespace {

const QColor kGround = QColor::fromRgb(ui::kChartBackground);
const QColor kInk(0xD8, 0xDE, 0xE9);
const QColor kFaintInk(0x9A, 0xA3, 0xB2);
const QColor kGrid(0x2C, 0x33, 0x40);
const QColor kZeroLine(0x6B, 0x75, 0x85);
const QColor kBand(0xFF, 0xFF, 0xFF, 0x1C);
constexpr qreal kSymbolRadius = 4.5;
constexpr qreal kPad = 10;
constexpr qreal kSampleWidth = 26;

struct LegendLine {
  ChartSymbol symbol;
  const char* text;
};

constexpr LegendLine kSymbolLegend[] = {{ChartSymbol::Halved, "半減"},
                                        {ChartSymbol::Doubled, "倍増"},
                                        {ChartSymbol::ZunpaWin, "ズンパ勝ち"},
                                        {ChartSymbol::CounterWin, "ズンパ返し"},
                                        {ChartSymbol::ZunpaLoss, "ズンパ負け"}};
constexpr const char* kBandLegend = "ズンパの回";
constexpr const char* kTotalsTitle = "得点";

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), int(text.size()));
}

// Rounds 0 (the start, every total 0) to 20 across, totals up.
struct Frame {
  QRectF plot;
  ui::ChartAxis axis;
  qreal RoundWidth() const { return plot.width() / kRoundsInGame; }
  qreal X(qreal round) const { return plot.left() + round * RoundWidth(); }
  qreal Y(int total) const {
    const qreal span = std::max(1, axis.high - axis.low);
    return plot.bottom() - (total - axis.low) * plot.height() / span;
  }
  QPointF At(int round, int total) const { return {X(round), Y(total)}; }
};

qreal LegendWidth(const QFontMetricsF& metrics, const ui::ScoreChart& chart) {
  qreal widest = metrics.horizontalAdvance(QString::fromUtf8(kBandLegend));
  for (const ui::ChartSeries& series : chart.series)
    widest = std::max(widest, metrics.horizontalAdvance(Text(series.name)));
  for (const LegendLine& line : kSymbolLegend)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(line.text)));
  return kSampleWidth + 8 + widest + kPad;
}

Frame FrameOf(const QRectF& area, const QFontMetricsF& small, const ui::ScoreChart& chart, qreal legendWidth) {
  qreal labelWidth = small.horizontalAdvance(QString::fromUtf8(kTotalsTitle));
  for (int tick : chart.axis.Ticks())
    labelWidth = std::max(labelWidth, small.horizontalAdvance(QString::number(tick)));
  const qreal line = small.height();
  // Above the plot: the title of the totals, clear of the top label, and
  // the winners' stars.
  const qreal top = kPad + line * 1.5 + 4;
  const QRectF plot(area.left() + kPad + labelWidth + 6, area.top() + top,
                    area.width() - legendWidth - labelWidth - 2 * kPad - 12,
                    area.height() - top - kPad - 2 * line - 10);
  return {plot, chart.axis};
}

void PaintBands(QPainter& p, const Frame& f, const ui::ScoreChart& chart) {
  const qreal width = f.RoundWidth() * 0.7;
  for (const ui::ZunpaRound& call : chart.zunpaRounds) {
    p.fillRect(QRectF(f.X(call.round) - width / 2, f.plot.top(), width, f.plot.height()), kBand);
    // Who won the round, at the top of its band.
    const qreal step = kSymbolRadius * 2.4;
    qreal x = f.X(call.round) - step * (int(call.callers.size()) - 1) / 2;
    for (int seat : call.callers) {
      const ChartSymbol symbol = call.countered ? ChartSymbol::CounterWin : ChartSymbol::ZunpaWin;
      DrawChartSymbol(p, symbol, {x, f.plot.top() - kSymbolRadius - 3}, kSymbolRadius * 0.9,
                      QColor::fromRgb(chart.series[seat - 1].colour), kGround);
      x += step;
    }
  }
}

void PaintTotalsAxis(QPainter& p, const Frame& f, const QFontMetricsF& small) {
  for (int tick : f.axis.Ticks()) {
    const qreal y = f.Y(tick);
    p.setPen(QPen(tick == 0 ? kZeroLine : kGrid, tick == 0 ? 1.4 : 1));
    p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
    p.setPen(kFaintInk);
    const QRectF label(f.plot.left() - 200 - 6, y - small.height() / 2, 200, small.height());
    p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
  }
  // Over the labels, level with the winners' stars above the plot.
  p.setPen(kInk);
  p.drawText(QRectF(f.plot.left() - 200 - 6, f.plot.top() - small.height() * 1.5 - 2, 200, small.height()),
             Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(kTotalsTitle));
}

void PaintRoundsAxis(QPainter& p, const Frame& f, const QFontMetricsF& small) {
  // Every round is numbered where there is room, else every second, fifth
  // or tenth.
  const qreal needed = small.horizontalAdvance("20") + 6;
  int every = 10;
  for (int candidate : {1, 2, 5})
    if (f.RoundWidth() * candidate >= needed) {
      every = candidate;
      break;
    }
  for (int round = 1; round <= kRoundsInGame; ++round) {
    const qreal x = f.X(round);
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(x, f.plot.bottom()), QPointF(x, f.plot.bottom() + 4));
    if (round % every != 0) continue;
    p.setPen(kFaintInk);
    p.drawText(QRectF(x - 20, f.plot.bottom() + 5, 40, small.height()), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(round));
  }
  p.setPen(QPen(kZeroLine, 1));
  p.drawLine(f.plot.bottomLeft(), f.plot.bottomRight());
  p.drawLine(f.plot.bottomLeft(), f.plot.topLeft());
  p.setPen(kInk);
  p.drawText(QRectF(f.plot.left(), f.plot.bottom() + 5 + small.height(), f.plot.width(), small.height() + 4),
             Qt::AlignHCenter | Qt::AlignBottom, "ラウンド");
}

void PaintSeriesLine(QPainter& p, const Frame& f, const ui::ChartSeries& series) {
  if (series.points.empty()) return;
  QPainterPath path(f.At(0, 0));
  for (const ui::ChartPoint& point : series.points)
    path.lineTo(f.At(point.round, point.total));
  p.setPen(QPen(QColor::fromRgb(series.colour), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// Plain rounds first, so that no seat's dot hides another's mark.
void PaintSeriesSymbols(QPainter& p, const Frame& f, const ui::ChartSeries& series, bool marked) {
  for (const ui::ChartPoint& point : series.points) {
    const ChartSymbol symbol = SymbolOf(point.marks);
    if ((symbol != ChartSymbol::Plain) != marked) continue;
    DrawChartSymbol(p, symbol, f.At(point.round, point.total), kSymbolRadius, QColor::fromRgb(series.colour), kGround);
  }
}

void PaintLegendRow(QPainter& p, QPointF at, const QFontMetricsF& metrics, const QString& text) {
  p.setPen(kInk);
  p.drawText(QRectF(at.x() + kSampleWidth + 8, at.y() - metrics.height() / 2, 400, metrics.height()),
             Qt::AlignLeft | Qt::AlignVCenter, text);
}

void PaintLegend(QPainter& p, QPointF at, const QFontMetricsF& metrics, const ui::ScoreChart& chart) {
  const qreal row = metrics.height() + 5;
  for (const ui::ChartSeries& series : chart.series) {
    if (series.name.empty()) continue;
    const QColor colour = QColor::fromRgb(series.colour);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, at + QPointF(kSampleWidth, 0));
    DrawChartSymbol(p, ChartSymbol::Plain, at + QPointF(kSampleWidth / 2, 0), kSymbolRadius, colour, kGround);
    PaintLegendRow(p, at, metrics, Text(series.name));
    at.ry() += row;
  }
  at.ry() += row / 2;
  for (const LegendLine& line : kSymbolLegend) {
    DrawChartSymbol(p, line.symbol, at + QPointF(kSampleWidth / 2, 0), kSymbolRadius, kInk, kGround);
    PaintLegendRow(p, at, metrics, QString::fromUtf8(line.text));
    at.ry() += row;
  }
  p.fillRect(QRectF(at.x() + kSampleWidth / 2 - 5, at.y() - metrics.height() / 2, 10, metrics.height()), kBand);
  PaintLegendRow(p, at, metrics, QString::fromUtf8(kBandLegend));
}

}  // namespace

ChartSymbol SymbolOf(const ui::ChartMarks& marks) {
  if (marks.halved) return ChartSymbol::Halved;
  if (marks.doubled) return ChartSymbol::Doubled;
  if (marks.counterCall) return ChartSymbol::CounterWin;
  if (marks.zunpaCall) return ChartSymbol::ZunpaWin;
  if (marks.zunpaLoss) return ChartSymbol::ZunpaLoss;
  return ChartSymbol::Plain;
}

void PaintScoreChart(QPainter& p, const QRectF& area, const ui::ScoreChart& chart, const QFont& font) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, kGround);
  QFont small = font;
  small.setPointSizeF(font.pointSizeF() * 0.9);
  const QFontMetricsF metrics(font), smallMetrics(small);
  const qreal legendWidth = LegendWidth(metrics, chart);
  const Frame frame = FrameOf(area, smallMetrics, chart, legendWidth);
  p.setFont(small);
  PaintBands(p, frame, chart);
  PaintTotalsAxis(p, frame, smallMetrics);
  PaintRoundsAxis(p, frame, smallMetrics);
  for (const ui::ChartSeries& series : chart.series)
    PaintSeriesLine(p, frame, series);
  for (bool marked : {false, true})
    for (const ui::ChartSeries& series : chart.series)
      PaintSeriesSymbols(p, frame, series, marked);
  p.setFont(font);
  if (chart.Empty()) {
    p.setPen(kFaintInk);
    p.drawText(frame.plot, Qt::AlignCenter, "まだ得点がありません");
  }
  PaintLegend(p, {area.right() - legendWidth + 4, frame.plot.top() + metrics.height() / 2}, metrics, chart);
  p.restore();
}

}  // namespace zunpa::qt
