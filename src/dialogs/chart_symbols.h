#pragma once
// The chart's point symbols, drawn centred on a point: a dot, triangles
// down and up for halving and doubling, stars for calls, a cross for the
// seat called on.

#include <QColor>
#include <QPointF>

#include "dialogs/score_chart_painter.h"

class QPainter;

namespace zunpa::qt {

// `radius` is the symbol's half width; `ground` outlines filled shapes so
// that crossing lines do not swallow them.
void DrawChartSymbol(QPainter& painter, ChartSymbol symbol, QPointF centre, qreal radius, const QColor& colour,
                     const QColor& ground);

}  // namespace zunpa::qt
