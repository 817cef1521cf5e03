#pragma once
// Playing a card: the one way a card reaches the pile, and all it sets off.

#include "rules/game.h"

namespace zunpa {

// Plays SelSuit/SelRank from CurrentSeat's hand. A card that matches the
// pile neither by suit nor by rank is refused and nothing changes.
void PlayCard(Game& g);
// What follows once CurrentSeat's card lies on the pile: the Zunpa check,
// then the round's end or the card's role and the pass of the turn.
void FinishPlay(Game& g);
void ApplyCardRole(Game& g);

}  // namespace zunpa
