#pragma once
// frmGRAPH, "得点ｸﾞﾗﾌ": the score chart in a window of its own, beside
// the table and without blocking it. It follows the score sheet after
// every round and comes up with the final standings.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "rules/display_model.h"

namespace zunpa::qt {

class ScoreChartWidget;

class ScoreChartWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ScoreChartWindow(QWidget* mainWindow);
  // Takes the sheet; nothing is redrawn while it is the one shown.
  void Refresh(const ScoreSheet& sheet);
  // Shows the window, the first time beside the main window.
  void ShowSheet(const ScoreSheet& sheet, const std::vector<const QWidget*>& keepFree = {});
  // Shows it beside `anchor`, leaving the `keepFree` windows uncovered.
  void ShowBeside(const ScoreSheet& sheet, const QWidget* anchor, const std::vector<const QWidget*>& keepFree);
  ScoreChartWidget* chart() const { return chart_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place(const QWidget* anchor, const std::vector<const QWidget*>& keepFree);

  QPointer<QWidget> mainWindow_;
  ScoreChartWidget* chart_;
  ScoreSheet shown_;
  // The size the user gave the window; a short screen may shrink it for
  // one placement only.
  QSize wanted_;
  QSize placedSize_;
  bool placed_ = false;
};

}  // namespace zunpa::qt
