#pragma once
// The game's running score per seat (index seat - 1). Points are penalty
// points: lower is better.

#include <array>
#include <cstdint>

#include "rules/cards.h"

namespace zunpa {

constexpr int kPointsMin = -32768;
constexpr int kPointsMax = 32767;

// Points and totals are kept in the range the data files hold; anything
// beyond is held at the bound rather than wrapped.
constexpr int ClampPoints(std::int64_t v) {
  return v < kPointsMin ? kPointsMin : (v > kPointsMax ? kPointsMax : static_cast<int>(v));
}

struct Scores {
  std::array<int, kSeats> RoundPoints{};
  std::array<int, kSeats> TotalPoints{};
  std::array<int, kSeats> WinCount{};
  std::array<int, kSeats> ZunpaWinCount{};
  std::array<int, kSeats> ZunpaLossCount{};
  // What the seat panels show: the standing (0 while blank) and the points
  // of the last settled round.
  std::array<int, kSeats> standing{};
  std::array<int, kSeats> lastRoundPoints{};
};

// 1 + the number of seats with a strictly lower total.
int StandingOf(const Scores& scores, int seat);

}  // namespace zunpa
