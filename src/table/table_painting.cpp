// The table's pictures, markers, focus ring and hint, drawn from the
// display model through the one transform.

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "table/table_widget.h"
#include "ui_logic/hit_test.h"
#include "ui_logic/picture_files.h"
#include "ui_logic/table_dirt.h"

namespace zunpa::qt {
namespace {

const QColor kFelt(0, 100, 56);

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void TableWidget::paintEvent(QPaintEvent* event) {
  ++paints_;
  pending_ -= event->region();
  dirty_ = event->region();
  QPainter painter(this);
  const QSize table = tableTwips();
  const QRect felt = transform_.ToPixels(0, 0, table.width(), table.height());
  for (const QRect& part : dirty_) {
    painter.fillRect(part, kFelt.darker(130));
    painter.fillRect(part & felt, kFelt);
  }
  if (!game_) return;
  const DisplayModel& d = game_->display;
  const QRect stockCounter =
      transform_.ToPixels(ui::kStockCounterLeft, ui::kStockCounterTop, ui::kStockCounterWidth, ui::kStockCounterHeight);
  if (d.stockCounterVisible && dirty_.intersects(stockCounter)) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(stockCounter, 4, 4);
  }
  PaintPictures(painter);
  PaintMarkers(painter);
  if (hint_) PaintHint(painter, *hint_);
  PaintWorthTags(painter);
  if (focusShown()) PaintRing(painter, *focus_, QColor(0, 229, 255), 3, 3);
}

// The hint's ring sits wider than the focus ring, so both show on one
// card, with a tag that says what it is.
void TableWidget::PaintHint(QPainter& painter, const ui::FocusStop& hint) {
  const QColor gold(255, 196, 0);
  const QRect around = RingTarget(hint);
  if (around.isNull()) return;
  PaintRing(painter, hint, gold, 3, 7);
  const double s = transform_.scale();
  QFont font = this->font();
  font.setPixelSize(std::max(7, int(150 * s + 0.5)));
  font.setBold(true);
  const QSize tag(int(480 * s + 0.5), int(210 * s + 0.5));
  QRect box(QPoint(0, 0), tag);
  if (hint.draw) {
    box.moveCenter(around.center());
    box.moveLeft(around.right() + int(90 * s));
  } else {
    box.moveCenter(QPoint(around.center().x(), around.top() - int(130 * s)));
  }
  painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
  painter.setBrush(gold);
  painter.drawRoundedRect(box, 4, 4);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignCenter, "ﾋﾝﾄ");
}

QRect TableWidget::RingTarget(const ui::FocusStop& stop) const {
  if (stop.draw) return drawButton_->isVisible() ? drawButton_->geometry() : QRect();
  const DisplayModel& d = game_->display;
  const CardPicture& p = d.Card(SuitOfCode(stop.code), RankOfCode(stop.code));
  if (!p.visible) return {};
  // Only the part that shows: the next card of the row covers the rest.
  int right = p.left + ui::kPictureWidth;
  for (const CardPicture& other : d.cards)
    if (other.visible && other.top == p.top && other.z > p.z && other.left > p.left)
      right = std::min(right, other.left);
  return transform_.ToPixels(p.left, p.top, right - p.left, ui::kPictureHeight);
}

// A ring just outside the card's picture or the draw button, dark-edged so
// it reads on the felt and on a white card alike.
void TableWidget::PaintRing(QPainter& painter, const ui::FocusStop& stop, const QColor& colour, int width, int pad) {
  const QRect around = RingTarget(stop);
  if (around.isNull()) return;
  const QRectF ring = QRectF(around).adjusted(-pad, -pad, pad, pad);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 160), width + 2));
  painter.drawRoundedRect(ring, 5, 5);
  painter.setPen(QPen(colour, width));
  painter.drawRoundedRect(ring, 5, 5);
}

void TableWidget::PaintPicture(QPainter& painter, const QString& file, int left, int top, int width, int height) {
  const QRect target = transform_.ToPixels(left, top, width, height);
  // Only the dirty part is painted; what lies elsewhere is left alone.
  if (!dirty_.intersects(target)) return;
  const QSize size(int(width * transform_.scale() + 0.5), int(height * transform_.scale() + 0.5));
  const QPixmap pixmap = pictures_.Scaled(file, size, devicePixelRatioF());
  if (pixmap.isNull()) {
    painter.fillRect(QRect(target.topLeft(), size), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(target.topLeft(), size - QSize(1, 1)));
    return;
  }
  painter.drawPixmap(target.topLeft(), pixmap);
}

// Back to front: by depth, cards before markers of the same depth, and
// among cards the later one in front.
void TableWidget::PaintPictures(QPainter& painter) {
  struct Item {
    int z, kind, index;
  };
  std::vector<Item> items;
  const DisplayModel& d = game_->display;
  for (int i = 0; i < kCardsInPack; ++i)
    if (d.cards[i].visible) items.push_back({d.cards[i].z, 0, i});
  for (int i = 0; i < int(d.suitMarkers.size()); ++i)
    if (d.suitMarkers[i].visible) items.push_back({d.suitMarkers[i].z, 1, i});
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return std::tie(a.z, a.kind, a.index) < std::tie(b.z, b.kind, b.index);
  });
  // The rules bring a card to the front as it leaves for the pile or a
  // hand, so the model's order keeps a moving card on top and nothing
  // changes places as it arrives. A card at rest shows the model itself.
  const auto frame = motion_.Frame();
  for (const Item& item : items) {
    if (item.kind == 0) {
      const int suit = item.index / 13 + 1, rank = item.index % 13 + 1;
      const CardPicture& p = d.cards[item.index];
      const ui::ShownCard& shown = frame[item.index];
      const bool sliding = shown.visible && shown.moving;
      const int left = sliding ? shown.left : p.left, top = sliding ? shown.top : p.top;
      if (!dirty_.intersects(transform_.ToPixels(left, top, ui::kPictureWidth, ui::kPictureHeight))) continue;
      PaintPicture(painter, Text(ui::CardPictureFile(suit, rank, sliding ? shown.faceUp : p.faceUp)), left, top,
                   ui::kPictureWidth, ui::kPictureHeight);
    } else {
      const Picture& p = d.suitMarkers[item.index];
      PaintPicture(painter, QString::fromUtf8(ui::SuitMarkerFile(item.index).data()), p.left, p.top, ui::kPictureWidth,
                   ui::kPictureHeight);
    }
  }
}

void TableWidget::PaintMarkers(QPainter& painter) {
  const DisplayModel& d = game_->display;
  if (d.arrowVisible) {
    const std::string_view file = ui::ArrowFile(d.arrowUp);
    PaintPicture(painter, QString::fromUtf8(file.data(), int(file.size())), ui::kArrowLeft, ui::kArrowTop,
                 ui::kArrowSize, ui::kArrowSize);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect bar = transform_.ToPixels(kBarLeft, d.barTop, ui::kBarWidth, ui::kBarHeight);
  if (d.barVisible && dirty_.intersects(bar)) {
    const QPolygonF triangle(
        {QPointF(bar.left(), bar.top()), QPointF(bar.right(), bar.center().y()), QPointF(bar.left(), bar.bottom())});
    painter.setPen(QPen(QColor(120, 80, 0), 1));
    painter.setBrush(QColor(255, 210, 40));
    painter.drawPolygon(triangle);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 230, 60));
  for (int k = 0; k < d.playableMarks; ++k) {
    const QRect mark = transform_.ToPixels(d.playableMarkLefts[k], ui::kMarkTop, ui::kMarkSize, ui::kMarkSize);
    if (dirty_.intersects(mark)) painter.drawEllipse(mark.adjusted(1, 1, -1, -1));
  }
}

}  // namespace zunpa::qt
