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
  HandScore s;
  for (int code : hand) {
    const int rank = RankOfCode(code);
    if (rank == 2) {
      ++s.twos;
    } else if (rank == suitChangeRank) {
      ++s.suitChanges;
      s.multiplier *= 2;
    }
    s.sum += CardValue(rank, suitChangeRank);
  }
  return s;
}

TotalChange ChangeOfTotal(int total) {
  if (total != 0 && total % 50 == 0) return TotalChange::Halved;
  const int rest = total % 50;
  if (rest == 49 || rest == 1 || rest == -1 || rest == -49) return TotalChange::Doubled;
  return TotalChange::None;
}

}  // namespace zunpa
