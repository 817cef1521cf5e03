#pragma once
// The score chart as a widget: it keeps the chart it shows and repaints
// only when it is given a different one.

#include <QWidget>

#include "ui_logic/score_chart.h"

namespace zunpa::qt {

class ScoreChartWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ScoreChartWidget(QWidget* parent = nullptr);
  void SetChart(const ui::ScoreChart& chart);
  const ui::ScoreChart& chart() const { return chart_; }
  // How many times a new chart asked for a repaint.
  int changes() const { return changes_; }
  QSize sizeHint() const override { return {640, 400}; }
  QSize minimumSizeHint() const override { return {360, 240}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ui::ScoreChart chart_;
  int changes_ = 0;
};

}  // namespace zunpa::qt
