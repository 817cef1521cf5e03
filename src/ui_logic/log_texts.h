#pragma once
// The words of the game log: card names as the table says them, and hands
// as lists of them.

#include <string>

#include "rules/hand.h"
#include "ui_logic/card_name.h"

namespace zunpa::ui {

// The cards in hand order, "スペードの3、ハートの9"; "なし" for none.
std::string HandText(const Hand& hand);
// A number of points with its unit, "-252点".
std::string Points(int points);

}  // namespace zunpa::ui
