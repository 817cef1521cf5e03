#pragma once
// A card from a hand to the pile: the pictures, the sound and the pile log.

#include "rules/game.h"

namespace zunpa {

void RemoveFromHand(Game& g, int listIndex);
// SelSuit/SelRank leaves CurrentSeat's hand and tops the pile.
void MoveCardToPile(Game& g);

}  // namespace zunpa
