#pragma once
// From "a new round is due" to the first seat's move: the new-game command,
// clearing the table, the deal and the opening card.

#include "engine/game.h"

namespace zunpa {

// The new-game command: player selection, then round 1 is dealt; its moves
// are the steps that follow.
void StartNewGame(Game& g);
// A new game with the seats as they are: scores cleared, round 1 dealt.
void BeginNewGame(Game& g);
void ResetTable(Game& g);
void ShuffleAndDeal(Game& g);
void TurnUpOpeningCard(Game& g);
// The seat to put in CurrentSeat so that `starter` moves first (or, after
// an opening skip card, the seat after it).
int SeatBeforeFirstMover(const Game& g, int starter);

}  // namespace zunpa
