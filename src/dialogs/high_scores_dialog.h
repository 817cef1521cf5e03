#pragma once
// frmHiScore, "記録": the ten best totals, with "クリア".

#include <QDialog>
#include <array>

#include "rules/host.h"

class QLabel;
class QWidget;

namespace zunpa::qt {

void RunHighScores(QWidget* mainWindow, HighScoreBoard& board);

class HighScoresDialog : public QDialog {
  Q_OBJECT
 public:
  HighScoresDialog(QWidget* mainWindow, HighScoreBoard& board);

 private:
  struct Row {
    QLabel* points = nullptr;
    QLabel* date = nullptr;
    QLabel* gamePlace = nullptr;
    QLabel* name = nullptr;
  };
  void BuildRows(QWidget* frame);
  void ShowCells();

  HighScoreBoard& board_;
  std::array<Row, 10> rows_{};
};

}  // namespace zunpa::qt
