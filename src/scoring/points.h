#pragma once
// Penalty points of a hand and the halving/doubling rule of the totals.

#include <cstdint>

#include "rules/hand.h"

namespace zunpa {

struct HandScore {
  int twos = 0;
  int suitChanges = 0;
  std::int64_t sum = 0;
  std::int64_t multiplier = 1;  // doubled by every suit-change card
};

// A 2 is worth 2, a suit-change card 20, an ace 15, J/Q/K 10, others their
// rank.
constexpr int CardValue(int rank, int suitChangeRank) {
  if (rank == 2) return 2;
  if (rank == suitChangeRank) return 20;
  if (rank == 1) return 15;
  if (rank >= 11) return 10;
  return rank;
}
HandScore ScoreHand(const Hand& hand, int suitChangeRank);

enum class TotalChange { None, Halved, Doubled };
// A total on a non-zero multiple of 50 is halved; one 1 away from a
// multiple of 50 is doubled.
TotalChange ChangeOfTotal(int total);

}  // namespace zunpa
