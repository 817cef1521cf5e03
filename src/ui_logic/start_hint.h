#pragma once
// What the empty table says to a newcomer: how to begin.

#include <string>

#include "rules/display_model.h"

namespace zunpa::ui {

// Nothing while a round is on the table; otherwise how to start a new
// game, and how to go on with the saved one when there is one.
std::string StartHint(const DisplayModel& display);

}  // namespace zunpa::ui
