#pragma once
// frmSELS, "どれにしたものか・・・": the suit the user declares.

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

// Modal; it cannot be closed without a suit.
SuitChoice RunSuitChoice(QWidget* mainWindow, const SuitChoice& suggestion);

}  // namespace zunpa::qt
