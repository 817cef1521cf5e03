#include "dialogs/chart_symbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace zunpa::qt {
namespace {

QPolygonF Triangle(QPointF c, qreal r, bool pointingDown) {
  const qreal d = pointingDown ? 1 : -1;
  return QPolygonF({c + QPointF(-r, -d * r * 0.8), c + QPointF(r, -d * r * 0.8), c + QPointF(0, d * r)});
}

QPolygonF Star(QPointF c, qreal r) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const qreal angle = -M_PI / 2 + i * M_PI / 5;
    const qreal reach = i % 2 == 0 ? r * 1.6 : r * 0.7;
    star << c + QPointF(reach * std::cos(angle), reach * std::sin(angle));
  }
  return star;
}

void FillOutlined(QPainter& p, const QPolygonF& shape, const QColor& fill, const QColor& ground) {
  p.setPen(QPen(ground, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPolygon(shape);
}

}  // namespace

void DrawChartSymbol(QPainter& p, ChartSymbol symbol, QPointF c, qreal r, const QColor& colour, const QColor& ground) {
  p.save();
  switch (symbol) {
    case ChartSymbol::Plain:
      p.setPen(QPen(ground, 1));
      p.setBrush(colour);
      p.drawEllipse(c, r * 0.6, r * 0.6);
      break;
    case ChartSymbol::Halved:
    case ChartSymbol::Doubled:
      FillOutlined(p, Triangle(c, r * 1.35, symbol == ChartSymbol::Halved), colour, ground);
      break;
    case ChartSymbol::ZunpaWin:
      FillOutlined(p, Star(c, r), colour, ground);
      break;
    case ChartSymbol::CounterWin:
      p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(ground);
      p.drawPolygon(Star(c, r));
      break;
    case ChartSymbol::ZunpaLoss: {
      const qreal a = r * 0.8;
      p.setPen(QPen(ground, 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
      p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
      p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
      p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
      break;
    }
  }
  p.restore();
}

}  // namespace zunpa::qt
