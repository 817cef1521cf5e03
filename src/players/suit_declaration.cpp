#include "players/suit_declaration.h"

#include <algorithm>

namespace zunpa {

std::array<int, 4> SuitScores(const Hand& hand) {
  std::array<int, 4> scores{};
  for (int code : hand)
    scores[SuitOfCode(code) - 1] += RankOfCode(code) + 1;
  return scores;
}

int SuggestedSuit(const std::array<int, 4>& scores) {
  return static_cast<int>(std::max_element(scores.begin(), scores.end()) - scores.begin());
}

namespace {

// ﾄﾘｯｸ･ｳﾒ on its last card sets a trap by its standing: leading, it keeps
// the suit it played; second, it turns to the mirror suit; behind, it plays
// it straight; before any standing, it names a suit it does not hold.
int TrapTarget(std::array<int, 4>& scores, const std::array<int, 4>& sorted, int standing, int playedSuit) {
  switch (standing) {
    case 1:
      scores[playedSuit - 1] = 99;
      return 99;
    case 2:
      scores[(5 - playedSuit) - 1] = 99;
      return 99;
    case 3:
    case 4:
      return sorted[3];
    default:
      return 0;
  }
}

}  // namespace

std::optional<int> ComputerDeclaredSuit(Character character, const SeatView& view, int playedSuit) {
  std::array<int, 4> scores = SuitScores(view.hand);
  std::array<int, 4> sorted = scores;
  std::sort(sorted.begin(), sorted.end());
  int target = sorted[3];
  if (character == Character::TrickUme)
    target = view.hand.size() == 1 ? TrapTarget(scores, sorted, view.standing, playedSuit) : sorted[2];
  for (int d = 0; d < 4; ++d)
    if (scores[d] == target) return d;
  return std::nullopt;
}

bool LetsZunpaPass(Character character, int callerHandSize, bool everyHandHoldsCards) {
  if (!everyHandHoldsCards) return false;
  if (character == Character::Agarita) return callerHandSize >= 1 && callerHandSize <= 3;
  if (character == Character::Ukkari) return callerHandSize >= 3;
  return false;
}

}  // namespace zunpa
