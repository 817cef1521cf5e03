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

// Adds number n (0..63) to `seen` and counts `i` on when it was not there.
constexpr void MarkAndCountFreshPlain(std::uint64_t& seen, std::int64_t& i, int n) {
  const std::uint64_t bit = std::uint64_t{1} << n;
  i += (seen & bit) == 0;
  seen |= bit;
}
inline void MarkAndCountFresh(std::uint64_t& seen, std::int64_t& i, int n) {
#if defined(__x86_64__) && defined(__GNUC__)
  // bts leaves the bit's old value in the carry, which sbb takes off the
  // count: two instructions where the compiler writes seven, on the
  // shuffle's innermost loop.
  asm("btsq %q2, %0\n\tsbbq $-1, %1" : "+r"(seen), "+r"(i) : "r"(n) : "cc");
#else
  MarkAndCountFreshPlain(seen, i, n);
#endif
}

// Fills order[0..count) with numbers 0..51 not in `placed`, and adds them
// to it. `count` must not exceed the numbers left out of `placed`.
inline void DrawUnplacedNumbers(RandomSource& random, std::uint64_t& placed, std::array<int, kCardsInPack>& order,
                                int count) {
  if (count <= 0) return;
  std::uint64_t seen = placed;
  std::int64_t i = 0;  // as wide as an address: no widening per draw
  const std::int64_t wanted = count;
  random.DrawWhile(kCardsInPack, [&](int n) {
    order[static_cast<std::size_t>(i)] = n;
    MarkAndCountFresh(seen, i, n);
    return i < wanted;
  });
  placed = seen;
}

}  // namespace zunpa
