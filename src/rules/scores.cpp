#include "rules/scores.h"

namespace zunpa {

int StandingOf(const Scores& scores, int seat) {
  const int total = scores.TotalPoints[seat - 1];
  int standing = 1;
  for (int t : scores.TotalPoints)
    standing += t < total;
  return standing;
}

}  // namespace zunpa
