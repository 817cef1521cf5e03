#pragma once
// frmTEN, "第n ラウンド結果": one round's points, seat by seat.

#include <QDialog>
#include <array>

#include "rules/display_model.h"
#include "rules/host.h"

class QLabel;
class QPushButton;
class QWidget;

namespace zunpa::qt {

// Modal; the name headers come from the score sheet with their colours.
// One dialog serves every round of a run: making its window anew each
// round cost more than the rest of the round's end.
void RunRoundResult(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet);

class RoundResultDialog : public QDialog {
  Q_OBJECT
 public:
  RoundResultDialog(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet);
  // Shows another round's result, as if made for it.
  void Fill(const RoundResult& result, const ScoreSheet& sheet);

 private:
  void BuildHeaders();
  void BuildRows();
  void BuildButtons();
  void PlaceBy(const QWidget* mainWindow);

  std::array<std::array<QLabel*, 2>, kSeats> headers_{};
  std::array<std::array<QLabel*, kSeats>, 5> values_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace zunpa::qt
