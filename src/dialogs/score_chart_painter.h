#pragma once
// Draws the score chart into any paint device, in device-independent
// units: the plot of the four totals, the Zunpa rounds as bands, the
// symbols of halvings, doublings and calls, and the legend beside it.

#include <QRectF>

#include "ui_logic/score_chart.h"

class QFont;
class QPainter;

namespace zunpa::qt {

enum class ChartSymbol { Plain, Halved, Doubled, ZunpaWin, CounterWin, ZunpaLoss };

// The symbol of one total: a halving or doubling shows before a call.
ChartSymbol SymbolOf(const ui::ChartMarks& marks);
void PaintScoreChart(QPainter& painter, const QRectF& area, const ui::ScoreChart& chart, const QFont& font);

}  // namespace zunpa::qt
