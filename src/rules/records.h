#pragma once
// Lifetime records of the six characters and the user: fourteen counters per
// record slot, in the order they are stored.

#include <array>
#include <cstdint>

#include "rules/characters.h"

namespace zunpa {

enum RecordCounter {
  RecRounds,
  RecRoundPoints,
  RecWins,
  RecOutWins,
  RecZunpaWins,
  RecZunpaLosses,
  RecGames,
  RecGamePoints,
  RecFirsts,
  RecSeconds,
  RecThirds,
  RecFourths,
  RecMinusGames,
  RecThousandGames,
  kRecordCounters
};

constexpr int kRecordSlots = 7;

struct Records {
  std::array<std::array<std::int32_t, kRecordCounters>, kRecordSlots> table{};
  // Adds without ever wrapping past the 32-bit range.
  void Add(int slot, RecordCounter counter, std::int64_t amount);
  std::int32_t Get(int slot, RecordCounter counter) const { return table[slot][counter]; }
};

}  // namespace zunpa
