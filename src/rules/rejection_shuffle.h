#pragma once
// The rules' shuffle: a random order of card numbers by rejection, a
// number already placed (or kept out) being drawn again. Every draw is
// written and the place only advances on a fresh number, so the loop has no
// branch that depends on the cards: the same draws are taken and refused
// as by a draw-again loop.

#include <array>
#include <cstdint>

#include "rules/cards.h"
#include "rules/random_source.h"

namespace zunpa {

// Fills order[0..count) with numbers 0..51 not in `placed`, and adds them
// to it. `count` must not exceed the numbers left out of `placed`.
inline void DrawUnplacedNumbers(RandomSource& random, std::uint64_t& placed, std::array<int, kCardsInPack>& order,
                                int count) {
  if (count <= 0) return;
  std::uint64_t seen = placed;
  int i = 0;
  random.DrawWhile(kCardsInPack, [&](int n) {
    const std::uint64_t bit = std::uint64_t{1} << n;
    order[static_cast<std::size_t>(i)] = n;
    i += (seen & bit) == 0;
    seen |= bit;
    return i < count;
  });
  placed = seen;
}

}  // namespace zunpa
