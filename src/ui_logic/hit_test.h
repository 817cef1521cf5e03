#pragma once
// Which card picture a click on the table lands on.

#include <optional>

#include "rules/cards.h"
#include "rules/display_model.h"

namespace zunpa::ui {

// Card pictures and suit markers are all this size, in twips.
constexpr int kPictureWidth = 690;
constexpr int kPictureHeight = 960;

// The frontmost shown card at (x, y) twips of the table, or none. A suit
// marker in front covers the cards beneath it; among pictures of equal
// depth the later control is in front, as the window creates them.
std::optional<Card> CardAt(const DisplayModel& display, int x, int y);

}  // namespace zunpa::ui
