#pragma once
// From "a new round is due" to the first seat's move: clearing the table,
// the deal and the opening card.

#include "rules/game.h"

namespace zunpa {

void ResetTable(Game& g);
void ShuffleAndDeal(Game& g);
void TurnUpOpeningCard(Game& g);
// The seat to put in CurrentSeat so that `starter` moves first (or, after
// an opening skip card, the seat after it).
int SeatBeforeFirstMover(const Game& g, int starter);

}  // namespace zunpa
