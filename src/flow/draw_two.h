#pragma once
// A seat after a draw-two: it answers with a 2 or draws the penalty.

#include "rules/game.h"

namespace zunpa {

// The user is asked; a computer answers with the last 2 it holds.
void AnswerDrawTwo(Game& g, int listIndex);

}  // namespace zunpa
