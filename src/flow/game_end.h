#pragma once
// The end of a 20-round game: final standings, records and the reset.

#include "rules/game.h"

namespace zunpa {

void EndGame(Game& g);
// The final standings, best first; tied seats stand on consecutive rows in
// seat order, each with the shared place.
FinalResult FinalResultOf(const Game& g);

}  // namespace zunpa
