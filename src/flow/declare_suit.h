#pragma once
// The suit declaration after a suit-change card, for every seat.

#include "rules/game.h"

namespace zunpa {

// Seat `seat` has just played a suit-change card and still holds cards: it
// declares the suit in force (the user through the suit dialog).
void DeclareSuit(Game& g, int seat);
// The suit `d` (0 spade .. 3 diamond) is declared by `seat` and put in force.
void SetDeclaredSuit(Game& g, int seat, int d);

}  // namespace zunpa
