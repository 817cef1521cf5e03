#pragma once
// frmRESULT, "結果": the final standings of a game.

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

void RunFinalResult(QWidget* mainWindow, const FinalResult& result);

}  // namespace zunpa::qt
