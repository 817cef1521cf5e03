#include "scoring/points.h"

#include <cstdint>

namespace zunpa {

namespace {

// Every card at its value when it is not the suit-change card.
constexpr RowSums kPointsOfRow = SumsOfRows([](int rank) { return CardValue(rank, 0); });

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
  s.sum = SumByRows(kPointsOfRow, cards);
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
