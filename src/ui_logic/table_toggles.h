#pragma once
// The main window's switches that change the table at once: automatic
// detection (hand total and playable marks) and x-ray mode (the card lists).

#include "rules/display_model.h"
#include "rules/game.h"
#include "rules/host.h"

namespace zunpa::ui {

// mnuKEN on the session's table: the option inverted, the hand total shown
// only while a round is on the table, and, while the user is to move, the
// playable marks redone so they appear or vanish with the option.
void ToggleAutoDetect(Game& game);

// lblROUND double-click: the seven lists shown or hidden; returns the
// message to show.
Message ToggleXray(DisplayModel& display);

}  // namespace zunpa::ui
