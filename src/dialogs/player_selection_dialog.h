#pragma once
// frmPLSEL, "プレーヤー選択": the three opponents, the user's name and voice.

#include "rules/host.h"
#include "rules/records.h"

class QWidget;

namespace zunpa::qt {

// Modal over the main window. True on OK; the seats may change even on
// Cancel, after an OK refused for a name clash.
bool RunPlayerSelection(QWidget* mainWindow, SeatSetup& setup, const Records& records);

}  // namespace zunpa::qt
