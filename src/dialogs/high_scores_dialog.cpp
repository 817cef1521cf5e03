#include "dialogs/high_scores_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {
namespace {

constexpr int kFrameWidth = 6600;
constexpr int kFrameHeight = 3060;
constexpr int kNameLeft = 3540;
constexpr int kNameWidth = 2880;

int RowTop(int row) {
  return 300 + 270 * row;
}

QLabel* AddCell(QWidget* frame, const char* name, int row, int left, int width, Qt::Alignment alignment) {
  QLabel* cell = AddLabel(frame, Member(name, row), {}, TwipsRect(left, RowTop(row), width, 255));
  cell->setAlignment(alignment | Qt::AlignVCenter);
  return cell;
}

}  // namespace

HighScoresDialog::HighScoresDialog(QWidget* mainWindow, HighScoreBoard& board) : QDialog(mainWindow), board_(board) {
  setObjectName("frmHiScore");
  setWindowTitle("記録");
  auto* frame = new QGroupBox("ハイスコア", this);
  frame->setObjectName("Frame1");
  frame->setGeometry(TwipsRect(120, 60, kFrameWidth, kFrameHeight));
  BuildRows(frame);
  const int buttonTop = 60 + kFrameHeight + 120;
  QPushButton* clear = AddButton(this, "cmdCLR", "クリア", TwipsRect(120, buttonTop, 1095, 375));
  connect(clear, &QPushButton::clicked, this, [this] {
    board_.Clear();
    ShowCells();
  });
  QPushButton* ok = AddButton(this, "Command1", "OK", TwipsRect(120 + kFrameWidth - 1095, buttonTop, 1095, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(Px(kFrameWidth + 240), Px(buttonTop + 375 + 120));
  ShowCells();
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void HighScoresDialog::BuildRows(QWidget* frame) {
  for (int i = 0; i < 10; ++i) {
    AddCell(frame, "LblJUNI", i, 180, 720, Qt::AlignRight)->setText(QStringLiteral("%1位：").arg(i + 1));
    rows_[i].points = AddCell(frame, "lblPOINT", i, 900, 840, Qt::AlignRight);
    rows_[i].date = AddCell(frame, "lblDATE", i, 1920, 960, Qt::AlignHCenter);
    rows_[i].gamePlace = AddCell(frame, "LblJUNI2", i, 2940, 540, Qt::AlignHCenter);
    rows_[i].name = AddCell(frame, "lblNAME", i, kNameLeft, kNameWidth, Qt::AlignLeft);
  }
}

void HighScoresDialog::ShowCells() {
  const std::array<HighScoreCells, 10> cells = board_.Cells();
  for (int i = 0; i < 10; ++i) {
    rows_[i].points->setText(QString::fromStdString(cells[i].points));
    rows_[i].date->setText(QString::fromStdString(cells[i].date));
    rows_[i].gamePlace->setText(QString::fromStdString(cells[i].gamePlace));
    SetFittedText(rows_[i].name, QString::fromStdString(cells[i].name));
  }
}

void RunHighScores(QWidget* mainWindow, HighScoreBoard& board) {
  HighScoresDialog dialog(mainWindow, board);
  dialog.exec();
}

}  // namespace zunpa::qt
