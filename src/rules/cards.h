#pragma once
// The three ways a card is written: its code (suit * 100 + rank, 101..413),
// its number in a shuffle (0..51) and its suit/rank pair.

#include <array>
#include <string_view>

namespace zunpa {

enum SuitId : int { kSpade = 1, kHeart = 2, kClub = 3, kDiamond = 4 };

constexpr int kSeats = 4;
constexpr int kCardsInPack = 52;
constexpr int kHandSize = 5;

struct Card {
  int suit = 0;
  int rank = 0;
  friend bool operator==(const Card&, const Card&) = default;
};

constexpr int CodeOf(int suit, int rank) {
  return suit * 100 + rank;
}
constexpr int CodeOf(Card c) {
  return CodeOf(c.suit, c.rank);
}
constexpr int SuitOfCode(int code) {
  return code / 100;
}
constexpr int RankOfCode(int code) {
  return code - SuitOfCode(code) * 100;
}
constexpr Card CardOfCode(int code) {
  return {SuitOfCode(code), RankOfCode(code)};
}

constexpr int NumberOf(Card c) {
  return (c.rank - 1) * 4 + (c.suit - 1);
}
// Numbers are never negative: unsigned, the halving and the rest are one
// shift and one mask each.
constexpr Card CardOfNumber(int number) {
  const auto n = static_cast<unsigned>(number);
  return {static_cast<int>(n % 4) + 1, static_cast<int>(n / 4) + 1};
}

// Index of a card's picture in the display model: the suit's array of 13,
// element rank - 1.
constexpr int PictureIndex(int suit, int rank) {
  return (suit - 1) * 13 + (rank - 1);
}

constexpr int kDrawTwoRank = 2;
constexpr int kMaxPenalty = 16;

// The draw-two penalty doubles with each further 2 and stops at 16.
constexpr int RaisePenalty(int penalty) {
  return penalty == 0 ? 2 : (penalty >= 8 ? kMaxPenalty : penalty * 2);
}

inline constexpr std::array<std::string_view, 4> kSuitNames = {"スペード", "ハート", "クローバー", "ダイヤ"};
inline constexpr std::array<std::string_view, 4> kSuitLetters = {"s", "h", "c", "d"};

}  // namespace zunpa
