#include "dialogs/score_table_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QScreen>

#include "dialogs/sheet_cell_style.h"
#include "dialogs/vertical_caption_button.h"
#include "dialogs/window_frames.h"
#include "platform/keep_in_front.h"
#include "platform/twips.h"
#include "platform/user_store.h"
#include "ui_logic/beside_placement.h"

namespace zunpa::qt {
namespace {

const QString kPutInFront = QStringLiteral("手前設定");
const QString kTakeOutOfFront = QStringLiteral("手前解除");

constexpr int kColumnLeft = 120, kColumnStep = 600, kColumnWidth = 570;
constexpr int kFirstRowTop = 660, kRowStep = 195;
// A cell reaches 30 twips into the row below, so that the underline of a
// doubled total at 10 points is not cut off; cells have no ground.
constexpr int kCellHeight = kRowStep + 30;
constexpr int kHeaderFirstTop = 120, kHeaderRestTop = 360, kHeaderHeight = 240;
constexpr int kNameFirst = 21, kNameRest = 0;
// The round numbers reach a little under the first column, whose totals
// are right-aligned, so that "20" fits at the usual size.
constexpr int kRoundNumberWidth = 180;

struct LegendLine {
  const char* text;
  unsigned colour;
  bool underline;
  bool italic;
};

// The legend explains the cell styles the settlement gives.
constexpr std::array<LegendLine, 5> kLegend = {{
    {"青色…ズンパ勝ち", kBlue, false, false},
    {"緑色…あがり勝ち", kGreenWin, false, false},
    {"赤色…ズンパ負け", kRed, false, false},
    {"字小or大…点半減or倍", kBlack, true, false},
    {"Italic…ズンパ返し", kBlack, false, true},
}};

int MemberTop(int member) {
  if (member == kNameFirst) return kHeaderFirstTop;
  if (member == kNameRest) return kHeaderRestTop;
  return kFirstRowTop + kRowStep * (member - 1);
}

bool IsHeader(int member) {
  return member == kNameFirst || member == kNameRest;
}

}  // namespace

ScoreTableWindow::ScoreTableWindow(QWidget* mainWindow, Placement placement)
    : QWidget(placement == OwnWindow ? mainWindow : nullptr,
              placement == OwnWindow ? Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint : Qt::Widget),
      mainWindow_(mainWindow),
      placement_(placement) {
  setObjectName("frmHYOU");
  setWindowTitle("得点表");
  setFixedSize(Px(2640), Px(6120));
  // The cells read like a sheet of paper: the totals in black on white.
  QPalette paper = palette();
  paper.setColor(QPalette::Window, paper.color(QPalette::Base));
  setPalette(paper);
  setAutoFillBackground(true);
  BuildColumns();
  BuildRoundNumbers();
  BuildLegend();
  BuildSwitch();
  const ScoreSheet empty;
  for (int column = 0; column < kSeats; ++column)
    for (int member = 0; member < kMembers; ++member)
      ApplyCell(column, member, empty.columns[column][member]);
}

void ScoreTableWindow::BuildColumns() {
  for (int column = 0; column < kSeats; ++column) {
    for (int member = 0; member < kMembers; ++member) {
      auto* label = new QLabel(this);
      label->setObjectName(QString("lblHYOU%1_%2").arg(column + 1).arg(member));
      const int height = IsHeader(member) ? kHeaderHeight : kCellHeight;
      label->setGeometry(TwipsRect(kColumnLeft + kColumnStep * column, MemberTop(member), kColumnWidth, height));
      if (IsHeader(member)) {
        MakeHeaderGround(label);
      } else {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setIndent(Px(45));
      }
      labels_[column][member] = label;
    }
  }
}

void ScoreTableWindow::BuildRoundNumbers() {
  for (int member = 0; member < 20; ++member) {
    auto* label = new QLabel(QString::number(member + 1), this);
    label->setObjectName(QString("lblHYOU5_%1").arg(member));
    label->setGeometry(TwipsRect(0, kFirstRowTop + kRowStep * member, kRoundNumberWidth, kCellHeight));
    label->setAlignment(Qt::AlignCenter);
  }
}

void ScoreTableWindow::BuildLegend() {
  for (int member = 0; member < static_cast<int>(kLegend.size()); ++member) {
    const LegendLine& line = kLegend[member];
    auto* label = new QLabel(QString::fromUtf8(line.text), this);
    label->setObjectName(QString("lblEXPLAIN%1").arg(member));
    label->setGeometry(TwipsRect(60, 4680 + 180 * member, 2055, 195));
    SheetCell style;
    style.caption = line.text;
    style.colour = line.colour;
    style.underline = line.underline;
    style.italic = line.italic;
    ApplySheetCell(label, style);
  }
}

void ScoreTableWindow::BuildSwitch() {
  switch_ = new VerticalCaptionButton(kPutInFront, this);
  switch_->setObjectName("cmdTEMAE");
  switch_->setGeometry(TwipsRect(2280, 4740, 315, 855));
  switch_->setAutoDefault(false);
  connect(switch_, &QPushButton::clicked, this, &ScoreTableWindow::ToggleInFront);
}

void ScoreTableWindow::ApplyCell(int column, int member, const SheetCell& cell) {
  QLabel* label = labels_[column][member];
  if (IsHeader(member))
    ApplyHeaderCell(label, cell);
  else
    ApplySheetCell(label, cell);
  shown_[column][member] = cell;
}

void ScoreTableWindow::Refresh(const ScoreSheet& sheet) {
  for (int column = 0; column < kSeats; ++column)
    for (int member = 0; member < kMembers; ++member)
      if (!(sheet.columns[column][member] == shown_[column][member]))
        ApplyCell(column, member, sheet.columns[column][member]);
}

void ScoreTableWindow::ShowSheet(const ScoreSheet& sheet, bool activate) {
  Refresh(sheet);
  if (placement_ == InsideMainWindow) {
    if (!placed_) ExplainNoFront();
    placed_ = true;
    return show();
  }
  setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  if (!placed_) {
    placed_ = true;
    AlignWithMainWindow();
    if (mainWindow_) mainWindow_->installEventFilter(this);
    ApplyStoredFrontSetting();
  } else {
    show();
  }
  raise();
  if (activate) activateWindow();
}

// Level with the main window's bottom, just outside it: the corner inside
// it lay over めくる, the stock and 経過, since the table is the window's
// whole width.
std::optional<QPoint> ScoreTableWindow::PlaceBesideMainWindow() const {
  if (!mainWindow_) return std::nullopt;
  const QRect main = mainWindow_->frameGeometry();
  const QSize own = ExpectedFrameSize(this, mainWindow_);
  const QScreen* screen = mainWindow_->screen();
  if (!screen) return std::nullopt;
  const QRect room = screen->availableGeometry();
  const std::optional<ui::Box> box =
      ui::PlaceOutsideBottomCorner({main.left(), main.top(), main.width(), main.height()},
                                   {room.left(), room.top(), room.width(), room.height()}, own.width(), own.height());
  if (!box) return std::nullopt;
  return QPoint(box->left, box->top);
}

bool ScoreTableWindow::HasRoomBesideMainWindow() const {
  return PlaceBesideMainWindow().has_value();
}

void ScoreTableWindow::AlignWithMainWindow() {
  if (const std::optional<QPoint> at = PlaceBesideMainWindow()) {
    move(*at);
    placedAt_ = *at;
  }
}

// Where the game put it, it keeps beside the main window as that grows
// (経過 opened) or moves; where the user put it, it stays.
bool ScoreTableWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
  if (watched == mainWindow_ && moved && placedAt_ && pos() == *placedAt_ && isVisible()) AlignWithMainWindow();
  return QWidget::eventFilter(watched, event);
}

// Inside the main window the table stands as far forward as the main
// window does (and under Wayland no window can stay in front of others).
void ScoreTableWindow::ExplainNoFront() {
  const QString why = "得点表はメインウィンドウの中にあるため、手前に固定できません。";
  switch_->setEnabled(false);
  switch_->setToolTip(why);
  switch_->setAccessibleDescription(why);
}

void ScoreTableWindow::ApplyStoredFrontSetting() {
  const bool inFront = ScoreTableInFrontSetting();
  switch_->setText(inFront ? kTakeOutOfFront : kPutInFront);
  KeepInFront(this, inFront ? 1 : 0);
}

void ScoreTableWindow::ToggleInFront() {
  if (switch_->text() == kPutInFront) {
    KeepInFront(this, 1);
    switch_->setText(kTakeOutOfFront);
  } else {
    switch_->setText(kPutInFront);
    KeepInFront(this, 0);
  }
}

void ScoreTableWindow::closeEvent(QCloseEvent* event) {
  if (event->spontaneous())
    event->ignore();
  else
    QWidget::closeEvent(event);
}

}  // namespace zunpa::qt
