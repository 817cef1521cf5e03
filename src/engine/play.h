#pragma once
// Playing a card: the one way a card reaches the pile.

#include "engine/game.h"

namespace zunpa {

// Plays SelSuit/SelRank from CurrentSeat's hand. A card that matches the
// pile neither by suit nor by rank is refused and nothing changes.
void PlayCard(Game& g);
void ApplyCardRole(Game& g);
void RemoveFromHand(Game& g, int listIndex);

}  // namespace zunpa
