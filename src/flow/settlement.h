#pragma once
// Settling a round: the end-of-round draws, the points, the totals under the
// halving and doubling rule, the standings and the next round's starter.

#include <array>

#include "rules/game.h"
#include "scoring/points.h"

namespace zunpa {

void SettleRound(Game& g);

// Steps of the settlement, open for tests.
void PassPendingPenalty(Game& g);
void EndOfRoundDraws(Game& g);
// Sets RoundPoints and returns how each hand was counted.
std::array<HandScore, kSeats> ScoreRound(Game& g);
RoundResult RoundResultOf(const Game& g, const std::array<HandScore, kSeats>& hands);
void UpdateTotals(Game& g);
int NextStarterAfterRound(const RoundState& r);

}  // namespace zunpa
