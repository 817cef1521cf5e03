#pragma once
// Cards as bits of one word, in card-code order: bit (suit - 1) * 13 +
// rank - 1. Ascending bits are ascending codes, so the lowest bit of a set
// is the card a scan in hand order meets first.

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/cards.h"

namespace zunpa {

using CardSet = std::uint64_t;

constexpr int kRanksPerSuit = 13;
constexpr CardSet kOneSuit = (CardSet{1} << kRanksPerSuit) - 1;
constexpr CardSet kWholePack = (CardSet{1} << kCardsInPack) - 1;
// One card of every suit at the lowest rank.
constexpr CardSet kOneRank = 1 | CardSet{1} << 13 | CardSet{1} << 26 | CardSet{1} << 39;

// The set holding just this card; empty for anything that is not a card.
constexpr CardSet SetOfCard(Card c) {
  const bool isCard = static_cast<unsigned>(c.suit - 1) < 4 && static_cast<unsigned>(c.rank - 1) < kRanksPerSuit;
  return isCard ? CardSet{1} << ((c.suit - 1) * kRanksPerSuit + c.rank - 1) : 0;
}
constexpr CardSet SetOfCode(int code) {
  return SetOfCard(CardOfCode(code));
}
constexpr int RankOfBit(int bit) {
  return bit % kRanksPerSuit + 1;
}
constexpr int SuitOfBit(int bit) {
  return bit / kRanksPerSuit + 1;
}
// Looked up: a card's code is wanted on every step through a hand.
inline constexpr std::array<short, kCardsInPack> kCodeOfBit = [] {
  std::array<short, kCardsInPack> codes{};
  for (int bit = 0; bit < kCardsInPack; ++bit)
    codes[static_cast<std::size_t>(bit)] = static_cast<short>(CodeOf(SuitOfBit(bit), RankOfBit(bit)));
  return codes;
}();
constexpr int CodeOfBit(int bit) {
  return kCodeOfBit[static_cast<std::size_t>(bit)];
}
// A shuffle numbers the cards rank by rank (see NumberOf).
constexpr int BitOfNumber(int number) {
  const auto n = static_cast<unsigned>(number);
  return static_cast<int>(n % 4 * kRanksPerSuit + n / 4);
}
constexpr int NumberOfBit(int bit) {
  return (RankOfBit(bit) - 1) * 4 + SuitOfBit(bit) - 1;
}
constexpr CardSet SuitSet(int suit) {
  return suit >= 1 && suit <= 4 ? kOneSuit << (suit - 1) * kRanksPerSuit : 0;
}
constexpr CardSet RankSet(int rank) {
  return rank >= 1 && rank <= kRanksPerSuit ? kOneRank << (rank - 1) : 0;
}

// Counted by halving: the build targets processors without a popcount
// instruction, where the library call would cost more than this.
constexpr int CountCards(CardSet s) {
  s = s - ((s >> 1) & 0x5555555555555555u);
  s = (s & 0x3333333333333333u) + ((s >> 2) & 0x3333333333333333u);
  s = (s + (s >> 4)) & 0x0f0f0f0f0f0f0f0fu;
  return static_cast<int>((s * 0x0101010101010101u) >> 56);
}
// The first and the last card of a set that is not empty.
constexpr int LowestBit(CardSet s) {
  return __builtin_ctzll(s);
}
constexpr int HighestBit(CardSet s) {
  return 63 - __builtin_clzll(s);
}

// The ranks present in a set, as bit rank - 1 of a 13-bit word.
constexpr unsigned RanksIn(CardSet s) {
  return static_cast<unsigned>((s | s >> 13 | s >> 26 | s >> 39) & kOneSuit);
}

// For every row of one suit's 13 bits, the sum of value(rank) over its
// cards: sums over a set are then four rows looked up.
using RowSums = std::array<std::uint8_t, std::size_t{1} << kRanksPerSuit>;
template <typename ValueOfRank>
constexpr RowSums SumsOfRows(ValueOfRank value) {
  RowSums sums{};
  for (std::size_t row = 1; row < sums.size(); ++row)
    sums[row] = static_cast<std::uint8_t>(sums[row & (row - 1)] + value(__builtin_ctzll(row) + 1));
  return sums;
}
constexpr int SumByRows(const RowSums& sums, CardSet s) {
  int sum = 0;
  for (int suit = 0; suit < 4; ++suit)
    sum += sums[static_cast<std::size_t>(s >> (suit * kRanksPerSuit) & kOneSuit)];
  return sum;
}

inline constexpr RowSums kRankTotalOfRow = SumsOfRows([](int rank) { return rank; });

// The sum of the ranks in a set, cheaper by rows than the five population
// counts of weighing each bit of rank - 1.
constexpr int RankTotal(CardSet s) {
  return SumByRows(kRankTotalOfRow, s);
}

}  // namespace zunpa
