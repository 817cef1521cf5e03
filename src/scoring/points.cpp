#include "scoring/points.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace zunpa {

namespace {

// The points of one suit's 13 bits, every card at its value when it is not
// the suit-change card.
constexpr std::array<std::uint8_t, std::size_t{1} << kRanksPerSuit> kPointsOfRow = [] {
  std::array<std::uint8_t, std::size_t{1} << kRanksPerSuit> points{};
  for (std::size_t row = 1; row < points.size(); ++row) {
    const int rank = __builtin_ctzll(row) + 1;
    points[row] = static_cast<std::uint8_t>(points[row & (row - 1)] + CardValue(rank, 0));
  }
  return points;
}();

}  // namespace

HandScore ScoreHand(const Hand& hand, int suitChangeRank) {
  const CardSet cards = hand.Cards();
  const CardSet twos = cards & RankSet(kDrawTwoRank);
  const CardSet suitChanges = cards & RankSet(suitChangeRank) & ~twos;
  HandScore s;
  s.twos = CountCards(twos);
  s.suitChanges = CountCards(suitChanges);
  s.multiplier = std::int64_t{1} << s.suitChanges;
  // Every card at its plain value by rows, then each suit-change card
  // raised from its plain value to its own.
  for (int suit = 0; suit < 4; ++suit)
    s.sum += kPointsOfRow[static_cast<std::size_t>(cards >> (suit * kRanksPerSuit) & kOneSuit)];
  if (s.suitChanges != 0)
    s.sum += s.suitChanges * (CardValue(suitChangeRank, suitChangeRank) - CardValue(suitChangeRank, 0));
  return s;
}

TotalChange ChangeOfTotal(int total) {
  if (total != 0 && total % 50 == 0) return TotalChange::Halved;
  const int rest = total % 50;
  if (rest == 49 || rest == 1 || rest == -1 || rest == -49) return TotalChange::Doubled;
  return TotalChange::None;
}

}  // namespace zunpa
