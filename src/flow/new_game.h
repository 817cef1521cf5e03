#pragma once
// Starting a game: player selection, cleared scores, round 1 dealt.

#include "rules/game.h"

namespace zunpa {

// The new-game command: player selection, then round 1 is dealt; its moves
// are the steps that follow.
void StartNewGame(Game& g);
// A new game with the seats as they are: scores cleared, round 1 dealt.
void BeginNewGame(Game& g);

}  // namespace zunpa
