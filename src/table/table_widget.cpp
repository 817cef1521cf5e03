#include "table/table_widget.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "table/table_accessible.h"
#include "ui_logic/hit_test.h"
#include "ui_logic/picture_files.h"

namespace zunpa::qt {
namespace {

const QColor kFelt(0, 100, 56);
const QColor kCaption(255, 255, 255);
constexpr double kLabelPoints = 9;
constexpr int kArrowLeft = 2280, kArrowTop = 3660, kArrowSize = 615;
constexpr int kBarWidth = 480, kBarHeight = 480;
constexpr int kMarkTop = 5820, kMarkSize = 195;
constexpr int kListLeft = 6840, kListStep = 375, kListTop = 60, kListWidth = 375, kListHeight = 5820;

QColor ColourOf(unsigned rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void SetTextIfChanged(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

void SetColourIfChanged(QLabel* label, unsigned rgb) {
  const QString style = QString("color: %1;").arg(ColourOf(rgb).name());
  if (label->styleSheet() != style) label->setStyleSheet(style);
}

}  // namespace

TableWidget::TableWidget(QWidget* parent)
    : QWidget(parent), motion_(*this, [this](std::optional<ui::TwipsRect> area) { RepaintCards(area); }) {
  setObjectName("table");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  // Before anything asks for the table's accessible interface (naming it
  // does, with a screen reader on), or it gets the plain widget's for good.
  TableAccessible::InstallFactory();
  setAccessibleName("テーブル");
  BuildSeatPanels();
  BuildCentre();
}

void TableWidget::SetGame(const Game& game) {
  game_ = &game;
  Sync();
}

void TableWidget::SetProgramFolder(const QString& folder) {
  pictures_.SetFolder(folder);
  update();
}

QLabel* TableWidget::AddLabel(const QString& name, QRect twips, double points, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents, name != "lblROUND");
  label->setStyleSheet(QString("color: %1;").arg(kCaption.name()));
  labels_.push_back({label, twips, points});
  return label;
}

void TableWidget::BuildSeatPanels() {
  const auto left = Qt::AlignLeft | Qt::AlignVCenter;
  const auto right = Qt::AlignRight | Qt::AlignVCenter;
  for (int i = 0; i < kSeats; ++i) {
    const int dy = kRowTop[i] - kRowTop[0];
    const QString n = QString::number(i);
    names_[i] = AddLabel("lblPLNM" + n, {120, 60 + dy, 1215, 255}, kLabelPoints, left);
    standings_[i] = AddLabel("lblJUNI" + n, {1320, 60 + dy, 735, 255}, kLabelPoints, right);
    AddLabel("Label1" + QString::number(2 * i), {120, 300 + dy, 1215, 255}, kLabelPoints, left)->setText("現在得点");
    AddLabel("Label1" + QString::number(2 * i + 1), {120, 540 + dy, 1215, 255}, kLabelPoints, left)
        ->setText("前回得点");
    totals_[i] = AddLabel("lblRUIS" + n, {1320, 300 + dy, 735, 255}, kLabelPoints, right);
    lastPoints_[i] = AddLabel("lblPOINT" + n, {1320, 540 + dy, 735, 255}, kLabelPoints, right);
    zunpaRecords_[i] = AddLabel("lblDNUM" + n, {120, 780 + dy, 1215, 255}, kLabelPoints, left);
    wins_[i] = AddLabel("lblWNUM" + n, {1320, 780 + dy, 735, 255}, kLabelPoints, right);
  }
}

void TableWidget::BuildCentre() {
  roundCaption_ = AddLabel("lblROUND", {240, 3780, 1695, 375}, 12, Qt::AlignCenter);
  roundCaption_->installEventFilter(this);
  roundCaption_->setToolTip("ダブルクリックでレントゲン機能");
  stockCounter_ = AddLabel("lblZAN", {4590, 3180, 975, 255}, kLabelPoints, Qt::AlignCenter);
  handTotal_ = AddLabel("lblGOKEI", {3000, 4500, 495, 375}, 10, Qt::AlignCenter);
  drawButton_ = new QPushButton("めくる", this);
  drawButton_->setObjectName("cmdMEKU");
  // The table keeps the keyboard: "めくる" is one of its focus stops.
  drawButton_->setFocusPolicy(Qt::NoFocus);
  connect(drawButton_, &QPushButton::clicked, this, &TableWidget::DrawPressed);
  for (int i = 0; i < int(lists_.size()); ++i) {
    lists_[i] = new QListWidget(this);
    lists_[i]->setObjectName("List1" + QString::number(i));
    lists_[i]->setEnabled(false);
    lists_[i]->hide();
  }
}

QSize TableWidget::tableTwips() const {
  return xray_ ? kXrayTableTwips : kTableTwips;
}

QSize TableWidget::minimumSizeHint() const {
  return TableTransform::LayoutPixels(tableTwips());
}

QSize TableWidget::sizeHint() const {
  return TableTransform::LayoutPixels(tableTwips()) * 3 / 2;
}

void TableWidget::Sync() {
  if (!game_) return;
  if (xray_ != game_->display.xray) {
    xray_ = game_->display.xray;
    updateGeometry();
    transform_ = TableTransform(size(), tableTwips());
    pictures_.ForgetScaled();
    PlaceWidgets();
  }
  SyncSeatPanels();
  SyncCentre();
  SyncLists();
  SyncFocus();
  motion_.Take(game_->display.cards, game_->options.SpeedIndex);
  paintPending_ = true;
  update();
}

// A frame of the slides repaints only the ground they cover.
void TableWidget::RepaintCards(std::optional<ui::TwipsRect> area) {
  if (!area) return update();
  constexpr int kRoundingPixels = 2;
  update(transform_.ToPixels(area->left, area->top, area->right - area->left, area->bottom - area->top)
             .adjusted(-kRoundingPixels, -kRoundingPixels, kRoundingPixels, kRoundingPixels));
}

void TableWidget::PaintNowIfPending() {
  if (paintPending_ && isVisible()) repaint();
}

void TableWidget::SyncSeatPanels() {
  for (int i = 0; i < kSeats; ++i) {
    const SeatPanel& panel = game_->display.seats[i];
    SetTextIfChanged(names_[i], Text(panel.name));
    SetColourIfChanged(names_[i], panel.nameColour);
    SetTextIfChanged(standings_[i], Text(panel.standing));
    SetColourIfChanged(standings_[i], panel.standingColour);
    SetTextIfChanged(totals_[i], Text(panel.total));
    SetTextIfChanged(lastPoints_[i], Text(panel.lastPoints));
    SetTextIfChanged(zunpaRecords_[i], Text(panel.zunpaRecord));
    SetTextIfChanged(wins_[i], Text(panel.wins));
    const QString spoken = Text(panel.name) + " 現在得点 " + Text(panel.total);
    if (names_[i]->accessibleName() != spoken) names_[i]->setAccessibleName(spoken);
    const QString more = Text(panel.standing) + " 前回得点 " + Text(panel.lastPoints);
    if (names_[i]->accessibleDescription() != more) names_[i]->setAccessibleDescription(more);
  }
}

void TableWidget::SyncCentre() {
  const DisplayModel& d = game_->display;
  SetTextIfChanged(roundCaption_, Text(d.roundCaption));
  SetTextIfChanged(stockCounter_, Text(d.stockCounter));
  stockCounter_->setVisible(d.stockCounterVisible);
  SetTextIfChanged(handTotal_, Text(d.handTotal));
  handTotal_->setVisible(d.handTotalVisible);
  drawButton_->setVisible(d.drawButtonVisible);
  drawButton_->setEnabled(d.drawButtonEnabled);
}

void TableWidget::SyncLists() {
  for (QListWidget* list : lists_)
    list->setVisible(xray_);
  if (!xray_) return;
  auto fill = [](QListWidget* list, auto begin, auto end) {
    QStringList codes;
    for (auto it = begin; it != end; ++it)
      codes << QString::number(*it);
    QStringList shown;
    for (int k = 0; k < list->count(); ++k)
      shown << list->item(k)->text();
    if (shown == codes) return;
    list->clear();
    list->addItems(codes);
  };
  for (int seat = 1; seat <= kSeats; ++seat) {
    const Hand& hand = game_->round.HandOf(seat);
    fill(lists_[seat - 1], hand.begin(), hand.end());
  }
  fill(lists_[5], game_->round.pileLog.begin(), game_->round.pileLog.end());
}

void TableWidget::resizeEvent(QResizeEvent*) {
  transform_ = TableTransform(size(), tableTwips());
  pictures_.ForgetScaled();
  PlaceWidgets();
}

// Fonts grow with the table, as the pictures do.
void TableWidget::PlaceWidgets() {
  const double pixelsPerPoint = transform_.scale() * 15 * 96 / 72;
  for (const PlacedLabel& placed : labels_) {
    placed.label->setGeometry(
        transform_.ToPixels(placed.twips.x(), placed.twips.y(), placed.twips.width(), placed.twips.height()));
    QFont font = placed.label->font();
    font.setPixelSize(std::max(6, int(placed.points * pixelsPerPoint + 0.5)));
    placed.label->setFont(font);
  }
  drawButton_->setGeometry(transform_.ToPixels(4680, 4380, 735, 375));
  QFont buttonFont = drawButton_->font();
  buttonFont.setPixelSize(std::max(6, int(kLabelPoints * pixelsPerPoint + 0.5)));
  drawButton_->setFont(buttonFont);
  for (int i = 0; i < int(lists_.size()); ++i) {
    lists_[i]->setGeometry(transform_.ToPixels(kListLeft + kListStep * i, kListTop, kListWidth, kListHeight));
    lists_[i]->setFont(buttonFont);
  }
}

void TableWidget::paintEvent(QPaintEvent*) {
  ++paints_;
  paintPending_ = false;
  QPainter painter(this);
  painter.fillRect(rect(), kFelt.darker(130));
  const QSize table = tableTwips();
  painter.fillRect(transform_.ToPixels(0, 0, table.width(), table.height()), kFelt);
  if (!game_) return;
  const DisplayModel& d = game_->display;
  if (d.stockCounterVisible) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(transform_.ToPixels(4590, 3180, 975, 255), 4, 4);
  }
  PaintPictures(painter);
  PaintMarkers(painter);
  if (hint_) PaintHint(painter, *hint_);
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
      PaintPicture(painter, Text(ui::CardPictureFile(suit, rank, sliding ? shown.faceUp : p.faceUp)),
                   sliding ? shown.left : p.left, sliding ? shown.top : p.top, ui::kPictureWidth, ui::kPictureHeight);
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
    PaintPicture(painter, QString::fromUtf8(file.data(), int(file.size())), kArrowLeft, kArrowTop, kArrowSize,
                 kArrowSize);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  if (d.barVisible) {
    const QRect bar = transform_.ToPixels(kBarLeft, d.barTop, kBarWidth, kBarHeight);
    const QPolygonF triangle(
        {QPointF(bar.left(), bar.top()), QPointF(bar.right(), bar.center().y()), QPointF(bar.left(), bar.bottom())});
    painter.setPen(QPen(QColor(120, 80, 0), 1));
    painter.setBrush(QColor(255, 210, 40));
    painter.drawPolygon(triangle);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 230, 60));
  for (int k = 0; k < d.playableMarks; ++k) {
    const QRect mark = transform_.ToPixels(d.playableMarkLefts[k], kMarkTop, kMarkSize, kMarkSize);
    painter.drawEllipse(mark.adjusted(1, 1, -1, -1));
  }
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !game_) return QWidget::mousePressEvent(event);
  if (focusShown_) {
    focusShown_ = false;
    update();
  }
  const QPoint twips = transform_.ToTwips(event->position());
  const std::optional<Card> card = ui::CardAt(game_->display, twips.x(), twips.y());
  if (card && game_->display.Card(card->suit, card->rank).enabled) emit CardClicked(card->suit, card->rank);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
  if (!game_ || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveFocus(-1);
    case Qt::Key_Right:
      return MoveFocus(+1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return PressFocused();
    case Qt::Key_Down:
    case Qt::Key_D:
      if (drawButton_->isVisible() && drawButton_->isEnabled()) emit DrawPressed();
      return;
    default:
      return QWidget::keyPressEvent(event);
  }
}

void TableWidget::SyncFocus() {
  std::vector<ui::FocusStop> stops = ui::FocusStops(*game_);
  if (hint_ && stops != stops_) ShowHint(std::nullopt);
  stops_ = std::move(stops);
  const auto before = focus_;
  focus_ = ui::KeepFocus(stops_, focus_);
  items_.reset();
  if (focus_ != before && focusShown()) TellFocus();
}

// The first key shows the ring where it stands; later ones move it.
void TableWidget::MoveFocus(int step) {
  if (stops_.empty()) return;
  focus_ = focusShown_ ? ui::StepFocus(stops_, focus_, step) : ui::KeepFocus(stops_, focus_);
  focusShown_ = true;
  TellFocus();
  update();
}

void TableWidget::PressFocused() {
  if (!focus_ || stops_.empty()) return;
  if (!focusShown_) {
    focusShown_ = true;
    TellFocus();
    update();
    return;
  }
  const ui::FocusStop stop = *focus_;
  if (stop.draw) {
    emit DrawPressed();
  } else {
    emit CardClicked(SuitOfCode(stop.code), RankOfCode(stop.code));
  }
}

void TableWidget::TellFocus() {
  if (!QAccessible::isActive() || !focus_) return;
  if (focus_->draw) {
    QAccessibleEvent event(drawButton_, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    return;
  }
  const int item = FocusedItem();
  auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(this));
  if (item < 0 || !table) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(table->IndexOfItem(item));
  QAccessible::updateAccessibility(&event);
}

void TableWidget::ShowHint(std::optional<ui::FocusStop> hint) {
  hint_ = hint;
  drawButton_->setAccessibleDescription(hint_ && hint_->draw ? "ヒント" : "");
  update();
}

const std::vector<ui::TableItem>& TableWidget::items() const {
  if (!items_) items_ = game_ ? ui::TableItems(*game_) : std::vector<ui::TableItem>();
  return *items_;
}

int TableWidget::FocusedItem() const {
  if (!focus_ || focus_->draw) return -1;
  const std::vector<ui::TableItem>& all = items();
  for (int k = 0; k < int(all.size()); ++k)
    if (all[std::size_t(k)].kind == ui::TableItem::UserCard && all[std::size_t(k)].code == focus_->code) return k;
  return -1;
}

QString TableWidget::DescriptionOfItem(int item) const {
  const std::vector<ui::TableItem>& all = items();
  if (item < 0 || item >= int(all.size())) return {};
  const ui::TableItem& it = all[std::size_t(item)];
  QString text = Text(it.description);
  if (hint_ && !hint_->draw && it.kind == ui::TableItem::UserCard && hint_->code == it.code)
    text += text.isEmpty() ? "ヒント" : "、ヒント";
  return text;
}

bool TableWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == roundCaption_ && event->type() == QEvent::MouseButtonDblClick) {
    emit RoundCaptionDoubleClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zunpa::qt
