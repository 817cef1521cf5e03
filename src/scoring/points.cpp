#include "scoring/points.h"

namespace zunpa {

int CardValue(int rank, int suitChangeRank) {
  if (rank == 2) return 2;
  if (rank == suitChangeRank) return 20;
  if (rank == 1) return 15;
  if (rank >= 11) return 10;
  return rank;
}

HandScore ScoreHand(const Hand& hand, int suitChangeRank) {
  const CardSet twos = hand.Cards() & RankSet(kDrawTwoRank);
  const CardSet suitChanges = hand.Cards() & RankSet(suitChangeRank) & ~twos;
  const CardSet others = hand.Cards() & ~twos & ~suitChanges;
  const CardSet aces = others & RankSet(1);
  const CardSet faces = others & (RankSet(11) | RankSet(12) | RankSet(13));
  HandScore s;
  s.twos = CountCards(twos);
  s.suitChanges = CountCards(suitChanges);
  s.multiplier = std::int64_t{1} << s.suitChanges;
  s.sum = 2 * s.twos + 20 * s.suitChanges + 15 * CountCards(aces) + 10 * CountCards(faces) +
          RankTotal(others & ~aces & ~faces);
  return s;
}

TotalChange ChangeOfTotal(int total) {
  if (total != 0 && total % 50 == 0) return TotalChange::Halved;
  const int rest = total % 50;
  if (rest == 49 || rest == 1 || rest == -1 || rest == -49) return TotalChange::Doubled;
  return TotalChange::None;
}

}  // namespace zunpa
