#pragma once
// Drawing from the stock and rebuilding it.

#include "rules/game.h"

namespace zunpa {

// Seat listIndex + 1 takes the top stock card, rebuilding the stock first
// when it is empty. False when no card is free anywhere, so nothing was
// taken. The caller passes the turn.
bool DrawCard(Game& g, int listIndex);
// Draws the pending penalty one card at a time, stopping early if the cards
// run out.
void DrawPenaltyCards(Game& g, int listIndex, int count);
// The pending penalty, drawn; nothing is pending after it.
void TakePenalty(Game& g, int listIndex);
// Builds a new stock from every card that is neither in a hand nor on top
// of the pile; false when there is none.
bool Reshuffle(Game& g);

}  // namespace zunpa
