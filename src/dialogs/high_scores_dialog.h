#pragma once
// frmHiScore, "記録": the ten best totals, with "クリア".

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

void RunHighScores(QWidget* mainWindow, HighScoreBoard& board);

}  // namespace zunpa::qt
