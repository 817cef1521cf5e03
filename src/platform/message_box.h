#pragma once
// The game's message boxes: its text, title, buttons and icon, with the
// buttons captioned in Japanese.

#include "rules/host.h"

class QWidget;

namespace zunpa::qt {

// Modal; returns the button pressed. Esc and the close box answer Cancel
// or No where the box has one, OK where it has only OK.
Answer ShowMessageBox(QWidget* parent, const Message& message);

}  // namespace zunpa::qt
