#pragma once
// frmTEN, "第n ラウンド結果": one round's points, seat by seat.

#include <QDialog>

#include "rules/display_model.h"
#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

// Modal; the name headers come from the score sheet with their colours.
void RunRoundResult(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet);

class RoundResultDialog : public QDialog {
  Q_OBJECT
 public:
  RoundResultDialog(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet);

 private:
  void BuildHeaders(const ScoreSheet& sheet);
  void BuildRows(const RoundResult& result);
  void BuildButtons();
  void PlaceBy(const QWidget* mainWindow);
};

}  // namespace zunpa::qt
