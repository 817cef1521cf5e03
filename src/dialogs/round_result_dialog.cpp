#include "dialogs/round_result_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialogs/scoring_explanation_dialog.h"
#include "dialogs/sheet_cell_style.h"
#include "dialogs/window_frames.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {
namespace {

constexpr int kColumnLeft = 1500, kColumnStep = 660, kColumnWidth = 645;
constexpr int kLineHeight = 180;

struct ValueRow {
  const char* title;
  const char* titleName;
  int titleLeft;
  const char* valueName;
  int top;
  std::string RoundResultRow::*value;
};

// The rows top to bottom; the points, the last row, stand below a rule.
const std::array<ValueRow, 5> kRows = {{
    {"ｶｰﾄﾞﾎﾟｲﾝﾄ", "label10", 480, "lblTEN", 420, &RoundResultRow::cardPoints},
    {"葉変の枚数", "Label1", 420, "lblCNG", 600, &RoundResultRow::suitChanges},
    {"2の枚数", "Label2", 480, "lblNI", 780, &RoundResultRow::twos},
    {"倍率", "Label3", 480, "lblBAI", 960, &RoundResultRow::multiplier},
    {"得点", "Label4", 480, "lblKEI", 1200, &RoundResultRow::points},
}};
constexpr int kRuleTop = 1155;
constexpr int kButtonTop = 1560, kButtonHeight = 375, kButtonWidth = 1215;
constexpr int kClientWidth = kColumnLeft + 3 * kColumnStep + kColumnWidth + 120;
constexpr int kClientHeight = kButtonTop + kButtonHeight + 150;

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

}  // namespace

RoundResultDialog::RoundResultDialog(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet)
    : QDialog(mainWindow) {
  setObjectName("frmTEN");
  setFixedSize(Px(kClientWidth), Px(kClientHeight));
  BuildHeaders();
  BuildRows();
  BuildButtons();
  Fill(result, sheet);
}

void RoundResultDialog::Fill(const RoundResult& result, const ScoreSheet& sheet) {
  setWindowTitle(QString("第%1ラウンド結果").arg(result.roundNo));
  for (int i = 0; i < kSeats; ++i) {
    ApplyHeaderCell(headers_[i][0], sheet.columns[i][21]);
    ApplyHeaderCell(headers_[i][1], sheet.columns[i][0]);
    for (std::size_t row = 0; row < kRows.size(); ++row)
      values_[row][i]->setText(QString::fromStdString(result.rows[i].*kRows[row].value));
  }
  ok_->setFocus();
  FitTitle(this);
  PlaceBy(parentWidget());
}

void RoundResultDialog::BuildHeaders() {
  for (int i = 0; i < kSeats; ++i) {
    for (const int member : {21, 0}) {
      const int top = member == 21 ? 0 : kLineHeight;
      QLabel* label = AddLabel(this, QString("lblHYOU%1_%2").arg(i + 1).arg(member), QString(),
                               TwipsRect(kColumnLeft + kColumnStep * i, top, kColumnWidth, kLineHeight));
      MakeHeaderGround(label);
      headers_[i][member == 21 ? 0 : 1] = label;
    }
  }
}

void RoundResultDialog::BuildRows() {
  for (std::size_t r = 0; r < kRows.size(); ++r) {
    const ValueRow& row = kRows[r];
    AddLabel(this, row.titleName, QString::fromUtf8(row.title),
             TwipsRect(row.titleLeft, row.top, kColumnLeft - row.titleLeft, kLineHeight));
    for (int i = 0; i < kSeats; ++i) {
      QLabel* value = AddLabel(this, QString("%1%2").arg(row.valueName).arg(i), QString(),
                               TwipsRect(kColumnLeft + kColumnStep * i, row.top, kColumnWidth, kLineHeight));
      value->setAlignment(Qt::AlignCenter);
      values_[r][i] = value;
    }
  }
  auto* rule = new QFrame(this);
  rule->setObjectName("Line1");
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(TwipsRect(420, kRuleTop, kClientWidth - 120 - 420, 30));
}

void RoundResultDialog::BuildButtons() {
  auto* explain = new QPushButton("得点説明", this);
  explain->setObjectName("cmdSETU");
  explain->setGeometry(TwipsRect(420, kButtonTop, kButtonWidth, kButtonHeight));
  // Enter stays with OK even after the explanation was opened.
  explain->setAutoDefault(false);
  connect(explain, &QPushButton::clicked, this, [this] { RunScoringExplanation(this); });

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("Command1");
  ok_->setGeometry(TwipsRect(kClientWidth - 120 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
  ok_->setDefault(true);
  // Esc rejects the dialog, which closes it just as OK does.
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void RoundResultDialog::PlaceBy(const QWidget* mainWindow) {
  if (!mainWindow) return;
  const QRect main = mainWindow->frameGeometry();
  const QSize own = ExpectedFrameSize(this, mainWindow);
  move(main.left() + (main.width() - own.width()) / 2 - Px(120), main.top() + main.height() / 2 - Px(300));
}

void RunRoundResult(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet) {
  if (!mainWindow) {
    RoundResultDialog(nullptr, result, sheet).exec();
    return;
  }
  auto* dialog = mainWindow->findChild<RoundResultDialog*>("frmTEN", Qt::FindDirectChildrenOnly);
  if (dialog) {
    dialog->Fill(result, sheet);
  } else {
    dialog = new RoundResultDialog(mainWindow, result, sheet);
  }
  dialog->exec();
}

}  // namespace zunpa::qt
