#pragma once
// A computer seat's move: the common protocol and the character's own
// choice. The pause before it is the step driver's.

#include "rules/game.h"

namespace zunpa {

// Seat listIndex + 1 makes its move, ending in exactly one engine call.
void ComputerTurn(Game& g, int listIndex);

}  // namespace zunpa
