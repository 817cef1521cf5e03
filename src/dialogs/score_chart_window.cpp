#include "dialogs/score_chart_window.h"

#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/score_chart_widget.h"
#include "dialogs/window_frames.h"
#include "ui_logic/beside_placement.h"
#include "ui_logic/score_chart.h"

namespace zunpa::qt {
namespace {

ui::Box BoxOf(const QRect& r) {
  return {r.left(), r.top(), r.width(), r.height()};
}

}  // namespace

ScoreChartWindow::ScoreChartWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow) {
  setObjectName("frmGRAPH");
  setWindowTitle("得点ｸﾞﾗﾌ");
  chart_ = new ScoreChartWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chart_);
  resize(chart_->sizeHint());
  wanted_ = size();
}

void ScoreChartWindow::resizeEvent(QResizeEvent* event) {
  if (size() != placedSize_) wanted_ = size();
  QWidget::resizeEvent(event);
}

void ScoreChartWindow::Refresh(const ScoreSheet& sheet) {
  if (sheet.columns == shown_.columns) return;
  shown_ = sheet;
  chart_->SetChart(ui::ScoreChartOf(sheet));
}

void ScoreChartWindow::ShowSheet(const ScoreSheet& sheet, const std::vector<const QWidget*>& keepFree) {
  Refresh(sheet);
  if (!placed_) Place(mainWindow_, keepFree);
  show();
  raise();
}

void ScoreChartWindow::ShowBeside(const ScoreSheet& sheet, const QWidget* anchor,
                                  const std::vector<const QWidget*>& keepFree) {
  Refresh(sheet);
  Place(anchor, keepFree);
  show();
}

// Placed by the outer rectangles, on the screen the anchor is on.
void ScoreChartWindow::Place(const QWidget* anchor, const std::vector<const QWidget*>& keepFree) {
  if (!anchor) return;
  placed_ = true;
  const QScreen* screen = anchor->screen();
  const QSize border = ExpectedFrameSize(this, mainWindow_) - size();
  const QSize frame = wanted_ + border;
  ui::BesideRequest request;
  request.anchor = BoxOf(anchor->frameGeometry());
  request.screen = BoxOf(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
  request.width = frame.width();
  request.height = frame.height();
  request.minWidth = chart_->minimumSizeHint().width() + border.width();
  request.minHeight = chart_->minimumSizeHint().height() + border.height();
  for (const QWidget* window : keepFree)
    if (window && window->isVisible()) request.keepFree.push_back(BoxOf(window->frameGeometry()));
  const ui::Box box = ui::PlaceBeside(request);
  placedSize_ = QSize(box.width - border.width(), box.height - border.height());
  resize(placedSize_);
  move(box.left, box.top);
}

}  // namespace zunpa::qt
