#pragma once
// Playing by keyboard: the stops a visible focus moves among at the user's
// move (the cards that may be played, left to right, then "めくる"), and
// where the focus goes when the table changes under it.

#include <optional>
#include <vector>

#include "rules/game.h"

namespace zunpa::ui {

struct FocusStop {
  bool draw = false;  // "めくる"
  int code = 0;       // the card, when not the draw button
  friend bool operator==(const FocusStop&, const FocusStop&) = default;
};

// Nothing unless the user is to move.
std::vector<FocusStop> FocusStops(const Game& game);

// One step left (-1) or right (+1), round the ends; the first stop when
// nothing had the focus.
std::optional<FocusStop> StepFocus(const std::vector<FocusStop>& stops, std::optional<FocusStop> current, int step);

// After a change of the table: the same stop if it is still there,
// otherwise the first card that may be played, otherwise "めくる".
std::optional<FocusStop> KeepFocus(const std::vector<FocusStop>& stops, std::optional<FocusStop> current);

}  // namespace zunpa::ui
