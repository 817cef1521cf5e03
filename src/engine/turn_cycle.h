#pragma once
// The engine's control flow: the round driver, the pass of the turn, the
// user's actions and the locking of the user's controls.

#include "engine/game.h"

namespace zunpa {

// Begins the next round as NextStarter says, and goes on dealing while
// rounds end among the computer seats.
void RunRoundDriver(Game& g);
// Hands the move to the seat after CurrentSeat. The move itself is made by
// RunPendingTurns, so a long run of computer moves is a loop, not a chain of
// nested calls.
void PassTurn(Game& g);
// Makes the moves handed over until it is the user's move or the round is
// over.
void RunPendingTurns(Game& g);
void LockHumanInput(Game& g);
void UnlockHumanInput(Game& g);
void ShowHandTotal(Game& g);
// The seat that moves after `seat` (with a skip, the one after that).
int NextSeat(int seat, bool reversed, bool skip);

// The user's actions. Each is ignored unless the user is to move and, for a
// card, the card is in the user's hand.
void ClickCard(Game& g, int suit, int rank);
void PressDraw(Game& g);

}  // namespace zunpa
