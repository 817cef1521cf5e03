#pragma once
// Starting a game: player selection, cleared scores, round 1 dealt.

#include <cstdint>
#include <optional>

#include "rules/game.h"

namespace zunpa {

// The new-game command: player selection, then round 1 is dealt; its moves
// are the steps that follow. With a number, the game is that numbered game;
// without, the random source goes on as it is.
void StartNewGame(Game& g, std::optional<std::uint64_t> number = std::nullopt);
// A new game with the seats as they are: scores cleared, round 1 dealt.
void BeginNewGame(Game& g);

}  // namespace zunpa
