#include "table/table_widget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "table/balloon.h"
#include "table/table_accessible.h"
#include "ui_logic/hit_test.h"
#include "ui_logic/picture_files.h"
#include "ui_logic/start_hint.h"
#include "ui_logic/table_layout.h"

namespace zunpa::qt {
namespace {

const QColor kCaption(255, 255, 255);
constexpr double kLabelPoints = 9;
using ui::kListHeight, ui::kListLeft, ui::kListStep, ui::kListTop, ui::kListWidth;

QColor ColourOf(unsigned rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void SetTextIfChanged(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

// A style sheet is costly to apply and to compare; the colour it was made
// from is kept beside it.
void SetColourIfChanged(QLabel* label, unsigned rgb) {
  const QVariant shown = label->property("rgb");
  if (shown.isValid() && shown.toUInt() == rgb) return;
  label->setProperty("rgb", rgb);
  label->setStyleSheet(QString("color: %1;").arg(ColourOf(rgb).name()));
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

void TableWidget::PreloadPictures() {
  const auto name = [](std::string_view file) { return QString::fromUtf8(file.data(), qsizetype(file.size())); };
  QStringList names;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank)
      names << Text(ui::CardPictureFile(suit, rank, true));
  names << Text(ui::CardPictureFile(1, 1, false));
  for (int marker = 0; marker < 4; ++marker)
    names << name(ui::SuitMarkerFile(marker));
  for (const bool up : {false, true})
    names << name(ui::ArrowFile(up));
  pictures_.Preload(names);
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

// The captions stand where the shared layout puts them; the window keeps
// a pointer to each one it writes.
void TableWidget::BuildSeatPanels() {
  const auto align = [](ui::Align a) {
    return a == ui::Align::Left    ? Qt::AlignLeft | Qt::AlignVCenter
           : a == ui::Align::Right ? Qt::AlignRight | Qt::AlignVCenter
                                   : Qt::Alignment(Qt::AlignCenter);
  };
  const std::array<std::pair<const char*, std::array<QLabel*, kSeats>*>, 6> seatLabels = {{{"lblPLNM", &names_},
                                                                                           {"lblJUNI", &standings_},
                                                                                           {"lblRUIS", &totals_},
                                                                                           {"lblPOINT", &lastPoints_},
                                                                                           {"lblDNUM", &zunpaRecords_},
                                                                                           {"lblWNUM", &wins_}}};
  const std::array<std::pair<const char*, QLabel**>, 5> centre = {{{"lblROUND", &roundCaption_},
                                                                   {"lblZAN", &stockCounter_},
                                                                   {"lblGOKEI", &handTotal_},
                                                                   {"lblSTART", &startHint_},
                                                                   {"lblYOMI", &adviceLine_}}};
  for (const ui::LabelPlace& place : ui::TableLabels()) {
    const QString name = Text(place.name);
    QLabel* label =
        AddLabel(name, {place.left, place.top, place.width, place.height}, place.points, align(place.align));
    if (!place.fixedText.empty()) label->setText(Text(place.fixedText));
    for (const auto& [stem, labels] : seatLabels)
      if (name.startsWith(stem) && name.size() == int(std::strlen(stem)) + 1)
        (*labels)[name.back().digitValue()] = label;
    for (const auto& [own, pointer] : centre)
      if (name == own) *pointer = label;
  }
}

void TableWidget::BuildCentre() {
  roundCaption_->installEventFilter(this);
  roundCaption_->setToolTip("ダブルクリックでレントゲン機能");
  adviceLine_->setWordWrap(true);
  adviceLine_->setStyleSheet("color: rgb(255, 236, 150);");
  adviceLine_->hide();
  startHint_->setStyleSheet("color: rgba(255, 255, 255, 190);");
  balloon_ = new Balloon(this);
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
  UpdateDirtyParts();
}

// A step that moves one card repaints that card's old and new places, not
// the whole table with its forty captions. The rings and the hint's tag
// stand outside the pictures, so while they show the whole table is.
void TableWidget::UpdateDirtyParts() {
  ui::PaintedTable now = ui::PaintedTable::Of(game_->display);
  if (!painted_ || focusShown() || hint_) {
    Dirty(rect());
  } else {
    for (const ui::TwipsRect& area : ui::DirtyAreas(*painted_, now))
      Dirty(transform_.ToPixels(area.left, area.top, area.right - area.left, area.bottom - area.top)
                .adjusted(-2, -2, 2, 2));
  }
  painted_ = std::move(now);
}

// What is dirtied is painted when the events run, or at once before a wait.
void TableWidget::Dirty(const QRect& area) {
  pending_ += area;
  update(area);
}

// A frame of the slides repaints only the ground they cover.
void TableWidget::RepaintCards(std::optional<ui::TwipsRect> area) {
  if (!area) return Dirty(rect());
  constexpr int kRoundingPixels = 2;
  Dirty(transform_.ToPixels(area->left, area->top, area->right - area->left, area->bottom - area->top)
            .adjusted(-kRoundingPixels, -kRoundingPixels, kRoundingPixels, kRoundingPixels));
}

void TableWidget::LandCards() {
  motion_.Land();
}

void TableWidget::ShowLanded() {
  motion_.Land();
  if (!pending_.isEmpty() && isVisible()) repaint(pending_);
}

// The model changes many times a step, a panel seldom: only a changed one
// is written into its labels.
void TableWidget::SyncSeatPanels() {
  for (int i = 0; i < kSeats; ++i) {
    const SeatPanel& panel = game_->display.seats[i];
    if (shownPanels_[i] && *shownPanels_[i] == panel) continue;
    shownPanels_[i] = panel;
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
  const QString hint = Text(ui::StartHint(d));
  SetTextIfChanged(startHint_, hint);
  startHint_->setVisible(!hint.isEmpty());
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
  drawButton_->setGeometry(
      transform_.ToPixels(ui::kDrawButton.left, ui::kDrawButton.top, ui::kDrawButton.width, ui::kDrawButton.height));
  QFont buttonFont = drawButton_->font();
  buttonFont.setPixelSize(std::max(6, int(kLabelPoints * pixelsPerPoint + 0.5)));
  drawButton_->setFont(buttonFont);
  for (int i = 0; i < int(lists_.size()); ++i) {
    lists_[i]->setGeometry(transform_.ToPixels(kListLeft + kListStep * i, kListTop, kListWidth, kListHeight));
    lists_[i]->setFont(buttonFont);
  }
  if (balloon_->isVisible()) ShowBalloon(balloon_->text(), balloonTwips_);
}

void TableWidget::ShowBalloon(const QString& text, QPoint twips) {
  balloonTwips_ = twips;
  balloon_->ShowAt(text, transform_.ToPixels(twips.x(), twips.y()).toPoint(), transform_.scale());
}

void TableWidget::HideBalloon() {
  balloon_->hide();
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

bool TableWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == roundCaption_ && event->type() == QEvent::MouseButtonDblClick) {
    emit RoundCaptionDoubleClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zunpa::qt
