// 読み on the table: the worth of each choice beside it, and the line that
// weighs a question's answers while its box is up.

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "table/table_widget.h"

namespace zunpa::qt {
namespace {

const QColor kGold(255, 196, 0);

}  // namespace

void TableWidget::ShowYomiHint(const ui::YomiHint& hint) {
  ShowHint(hint.best);
  worthTags_ = hint.tags;
  for (const ui::WorthTag& tag : worthTags_)
    if (tag.stop.draw)
      drawButton_->setAccessibleDescription(drawButton_->accessibleDescription() + (tag.best ? "、読み " : "読み ") +
                                            QString::fromStdString(tag.text));
  update();
}

void TableWidget::ShowAdviceLine(const QString& text) {
  adviceLine_->setText(text);
  adviceLine_->setVisible(!text.isEmpty());
}

// A card's tag lies on the lower part of the card's visible strip, where
// no index is printed; neighbours take turns between two heights, so a
// row of cards a quarter card apart still shows every tag whole.
QRect TableWidget::TagBox(const ui::FocusStop& stop, QSize size, int row) const {
  const QRect around = RingTarget(stop);
  if (around.isNull()) return {};
  const double s = transform_.scale();
  QRect box(QPoint(0, 0), size);
  if (stop.draw) {
    box.moveCenter(around.center());
    box.moveLeft(around.right() + int(90 * s));
  } else {
    box.moveLeft(around.left() + int(15 * s));
    box.moveBottom(around.bottom() - int((60 + 230 * row) * s));
  }
  return box;
}

void TableWidget::PaintWorthTags(QPainter& painter) {
  const double s = transform_.scale();
  QFont font = this->font();
  font.setPixelSize(std::max(7, int(140 * s + 0.5)));
  font.setBold(true);
  painter.setFont(font);
  int cardTag = 0;
  for (const ui::WorthTag& tag : worthTags_) {
    const QString text = QString::fromStdString(tag.text);
    const QSize size(std::max(int(220 * s), painter.fontMetrics().horizontalAdvance(text) + int(50 * s)),
                     int(200 * s + 0.5));
    const QRect box = TagBox(tag.stop, size, tag.stop.draw ? 0 : cardTag++ % 2);
    if (box.isNull()) continue;
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
    painter.setBrush(tag.best ? kGold : QColor(40, 40, 40, 215));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(tag.best ? Qt::black : Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
  }
}

}  // namespace zunpa::qt
