#include "dialogs/character_sheet_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {
namespace {

constexpr int kDescriptionLeft = 1800;
constexpr int kDescriptionWidth = 4935;
constexpr int kLineHeight = 195;
constexpr int kColumnLeft = 1620;
constexpr int kColumnStep = 720;
constexpr int kGridTop = 1680;
constexpr int kRowStep = 240;
constexpr int kPlacingsRow = 13;
constexpr int kPlacingsGap = 120;
constexpr int kOkHeight = 375;

// The placings stand a little apart from the counts above them.
int RowTop(int row) {
  return kGridTop + kRowStep * row + (row >= kPlacingsRow ? kPlacingsGap : 0);
}

int ColumnLeft(int column) {
  return kColumnLeft + kColumnStep * column;
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CharacterSheetDialog::CharacterSheetDialog(QWidget* mainWindow, const Records& records, const std::string& userName)
    : QDialog(mainWindow) {
  setObjectName("frmCHARA");
  setWindowTitle("ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧");
  const ui::CharacterSheet sheet = ui::BuildCharacterSheet(records, userName);
  BuildDescription(sheet);
  BuildGrid(sheet);
  const int width = std::max(Px(ColumnLeft(kRecordSlots) + 120), Px(kDescriptionLeft + 60) + DescriptionWidth());
  const int okTop = RowTop(ui::kSheetRows) + 120;
  QPushButton* ok = AddButton(this, "Command1", "OK", QRect(width - Px(1215), Px(okTop), Px(1095), Px(kOkHeight)));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(width, Px(okTop + kOkHeight + 120));
  FitTitle(this);
  AlignTopLeft(this, mainWindow);
}

void CharacterSheetDialog::BuildDescription(const ui::CharacterSheet& sheet) {
  auto* list = new QComboBox(this);
  list->setObjectName("cboCHAR");
  list->setGeometry(TwipsRect(60, 60, 1635, 315));
  for (const std::string& entry : sheet.entries)
    list->addItem(QString::fromStdString(entry));
  // Some lines are wider than the label's design width: the labels grow.
  const int width = std::max(Px(kDescriptionWidth), DescriptionWidth());
  for (int i = 0; i < ui::kDescriptionLines; ++i)
    lines_[i] = AddLabel(this, Member("lblDEF", i), {},
                         QRect(Px(kDescriptionLeft), Px(kLineHeight * i), width, Px(kLineHeight)));
  connect(list, &QComboBox::currentIndexChanged, this, &CharacterSheetDialog::ShowDescription);
  list->setCurrentIndex(0);
  ShowDescription(0);
}

void CharacterSheetDialog::BuildGrid(const ui::CharacterSheet& sheet) {
  QLabel* corner = AddLabel(this, "lblTOP0", Text(sheet.headers[0]), TwipsRect(0, 1140, 1635, 495));
  corner->setAlignment(Qt::AlignCenter);
  for (int member = 1; member < static_cast<int>(sheet.headers.size()); ++member) {
    const int column = (member - 1) / 2;
    const int top = member % 2 == 1 ? 1140 : 1380;
    QLabel* header = AddLabel(this, Member("lblTOP", member), {}, TwipsRect(ColumnLeft(column), top, kColumnStep, 240));
    header->setAlignment(Qt::AlignCenter);
    // The user's name may be long; the characters' halves always fit.
    SetFittedText(header, Text(sheet.headers[member]));
  }
  for (int row = 0; row < ui::kSheetRows; ++row) {
    QLabel* caption =
        AddLabel(this, Member("lblCAP", row), Text(sheet.rowCaptions[row]), TwipsRect(0, RowTop(row), 1620, 255));
    caption->setIndent(Px(90));
    for (int column = 0; column < kRecordSlots; ++column) {
      QLabel* value =
          AddLabel(this, Member("lblPOINT", 19 * column + row), QString::fromStdString(sheet.values[column][row]),
                   TwipsRect(ColumnLeft(column), RowTop(row), 735, 255));
      value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      value->setIndent(Px(90));
    }
  }
}

void CharacterSheetDialog::ShowDescription(int entry) {
  const auto lines = ui::DescriptionOf(entry);
  for (int i = 0; i < ui::kDescriptionLines; ++i)
    lines_[i]->setText(Text(lines[i]));
}

int CharacterSheetDialog::DescriptionWidth() const {
  int widest = 0;
  for (int entry = 0; entry < ui::kSheetEntries; ++entry)
    for (std::string_view line : ui::DescriptionOf(entry))
      widest = std::max(widest, fontMetrics().horizontalAdvance(Text(line)));
  return widest + Px(60);
}

void RunCharacterSheet(QWidget* mainWindow, const Records& records, const std::string& userName) {
  CharacterSheetDialog dialog(mainWindow, records, userName);
  dialog.exec();
}

}  // namespace zunpa::qt
