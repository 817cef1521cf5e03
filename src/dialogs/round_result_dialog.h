#pragma once
// frmTEN, "第n ラウンド結果": one round's points, seat by seat.

#include "rules/display_model.h"
#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

// Modal; the name headers come from the score sheet with their colours.
void RunRoundResult(QWidget* mainWindow, const RoundResult& result, const ScoreSheet& sheet);

}  // namespace zunpa::qt
