#pragma once
// Playing a card: the one way a card reaches the pile, and all it sets off.

#include "rules/game.h"

namespace zunpa {

// Plays SelSuit/SelRank from CurrentSeat's hand. A card that matches the
// pile neither by suit nor by rank is refused and nothing changes.
void PlayCard(Game& g);
void ApplyCardRole(Game& g);

}  // namespace zunpa
