#pragma once
// The hint: the move ｷ･ｵｰｸﾏﾝ would make from the user's seat now. It is only
// shown; nothing plays it and nothing counts it.

#include <optional>

#include "rules/game.h"
#include "ui_logic/key_focus.h"

namespace zunpa::ui {

// Nothing unless the user is to move.
std::optional<FocusStop> HintFor(const Game& game);

}  // namespace zunpa::ui
