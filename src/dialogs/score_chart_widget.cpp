#include "dialogs/score_chart_widget.h"

#include <QPainter>

#include "dialogs/score_chart_painter.h"

namespace zunpa::qt {

ScoreChartWidget::ScoreChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("picGRAPH");
  setAttribute(Qt::WA_OpaquePaintEvent);
  chart_ = ui::ScoreChartOf(ScoreSheet{});
}

void ScoreChartWidget::SetChart(const ui::ScoreChart& chart) {
  if (chart == chart_) return;
  chart_ = chart;
  ++changes_;
  update();
}

void ScoreChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintScoreChart(painter, rect(), chart_, font());
}

}  // namespace zunpa::qt
