#pragma once
// Drawing from the stock, answering a draw-two, and rebuilding the stock.

#include "engine/game.h"

namespace zunpa {

// Seat listIndex + 1 takes the top stock card, rebuilding the stock first
// when it is empty. False when no card is free anywhere, so nothing was
// taken. For the user it also ends the move (unless a penalty is being
// drawn); for a computer the caller passes the turn.
bool DrawCard(Game& g, int listIndex);
// Draws the pending penalty one card at a time, stopping early if the cards
// run out.
void DrawPenaltyCards(Game& g, int listIndex, int count);
void AnswerDrawTwo(Game& g, int listIndex);
// Builds a new stock from every card that is neither in a hand nor on top
// of the pile; false when there is none.
bool Reshuffle(Game& g);

}  // namespace zunpa
