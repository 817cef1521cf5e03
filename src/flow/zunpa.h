#pragma once
// The Zunpa check after every card played: single, double and triple calls
// and the counter-call.

#include "rules/game.h"

namespace zunpa {

// Leaves the outcome in ZunpaSeat1..3, ZunpaKind, Countered and
// CounteredSeat1..2 (and, after a counter-call, the first caller in
// CurrentSeat).
void CheckZunpa(Game& g);

}  // namespace zunpa
