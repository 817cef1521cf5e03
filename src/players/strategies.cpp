#include "players/strategies.h"

#include <algorithm>

namespace zunpa {
namespace {

int RankTotalOfSuit(const Hand& hand, int suit) {
  int total = 0;
  for (int code : hand)
    if (SuitOfCode(code) == suit) total += RankOfCode(code);
  return total;
}

// Among equal ranks: does `candidate`'s suit beat `current`'s?
bool SuitBeats(const Hand& hand, int candidate, int current) {
  const int candidateSuit = SuitOfCode(candidate), currentSuit = SuitOfCode(current);
  const int candidateCount = hand.CountOfSuit(candidateSuit), currentCount = hand.CountOfSuit(currentSuit);
  if (candidateCount != currentCount) return candidateCount > currentCount;
  return RankTotalOfSuit(hand, candidateSuit) > RankTotalOfSuit(hand, currentSuit);
}

int FirstOfRank(const Hand& hand, const Candidates& candidates, int rank) {
  for (int j = 0; j < candidates.count; ++j)
    if (RankOfCode(candidates.Code(hand, j)) == rank) return candidates.Code(hand, j);
  return 0;
}

int LastOfRank(const Hand& hand, const Candidates& candidates, int rank) {
  for (int j = candidates.count - 1; j >= 0; --j)
    if (RankOfCode(candidates.Code(hand, j)) == rank) return candidates.Code(hand, j);
  return 0;
}

int LowestRankRule(const Hand& hand, const Candidates& candidates) {
  int choice = candidates.Code(hand, 0);
  for (int j = 1; j < candidates.count; ++j) {
    const int code = candidates.Code(hand, j);
    if (RankOfCode(code) < RankOfCode(choice)) choice = code;
  }
  return choice;
}

// The suit-change card ｷ･ｵｰｸﾏﾝ holds but cannot play now: aim the pile at its
// suit. With several, the last one held decides.
int PrepareHeldSuitChange(const SeatView& view, const Candidates& candidates) {
  const Hand& hand = view.hand;
  int heldSuit = 0;
  for (int code : hand) {
    const bool isCandidate = SuitOfCode(code) == view.pileSuit || RankOfCode(code) == view.pileRank;
    if (RankOfCode(code) == view.roles.SuitChangeRank && !isCandidate) heldSuit = SuitOfCode(code);
  }
  if (heldSuit == 0) return 0;
  for (int j = candidates.count - 1; j >= 0; --j)
    if (SuitOfCode(candidates.Code(hand, j)) == heldSuit) return candidates.Code(hand, j);
  return 0;
}

int CountRankInLog(const PileLog& log, int rank) {
  int k = 0;
  for (int code : log)
    k += RankOfCode(code) == rank;
  return k;
}

}  // namespace

Candidates ListCandidates(const Hand& hand, int pileSuit, int pileRank) {
  Candidates c;
  for (int k = 0; k < hand.size(); ++k) {
    const int code = hand[k];
    if (SuitOfCode(code) == pileSuit || RankOfCode(code) == pileRank)
      c.positions[c.count++] = static_cast<unsigned char>(k);
  }
  return c;
}

int HighestCardRule(const Hand& hand, const Candidates& candidates) {
  int choice = candidates.Code(hand, 0);
  for (int j = 1; j < candidates.count; ++j) {
    const int code = candidates.Code(hand, j);
    if (RankOfCode(code) > RankOfCode(choice) ||
        (RankOfCode(code) == RankOfCode(choice) && SuitBeats(hand, code, choice)))
      choice = code;
  }
  return choice;
}

int SecondHighestRule(const Hand& hand, const Candidates& candidates, int suitChangeRank) {
  std::array<int, kCardsInPack> ranks{};
  const int n = candidates.count;
  for (int j = 0; j < n; ++j)
    ranks[j] = RankOfCode(candidates.Code(hand, j));
  std::sort(ranks.begin(), ranks.begin() + n);
  int target = ranks[n - 2];
  if (ranks[n - 1] == suitChangeRank && target == suitChangeRank && n >= 3) target = ranks[n - 3];
  return FirstOfRank(hand, candidates, target);
}

int PlannedTotalRule(const SeatView& view, const Candidates& candidates) {
  const Hand& hand = view.hand;
  if (const int code = LastOfRank(hand, candidates, view.roles.SuitChangeRank)) return code;
  if (const int code = PrepareHeldSuitChange(view, candidates)) return code;
  // Prefer leaving a total whose rank has been played least, then the higher
  // total, then the later candidate: the key 5-k, s, j read as one number.
  int bestKey = -1, bestCode = 0;
  for (int j = 0; j < candidates.count; ++j) {
    const int code = candidates.Code(hand, j);
    const int left = hand.Total() - RankOfCode(code);
    if (left > 26) break;
    if (left >= 14) continue;
    const int key = (5 - CountRankInLog(view.pileLog, left)) * 10000 + left * 100 + j;
    if (key > bestKey) bestKey = key, bestCode = code;
  }
  if (bestCode != 0) return bestCode;
  return HighestCardRule(hand, candidates);
}

Move ChooseMove(Character character, const SeatView& view) {
  const Hand& hand = view.hand;
  if (character == Character::Zunpasky && hand.size() == 1) return {true, 0};
  const Candidates candidates = ListCandidates(hand, view.pileSuit, view.pileRank);
  if (candidates.count == 0) return {true, 0};
  if (candidates.count == 1) {
    if (character == Character::Ukkari && hand.size() == 4) return {true, 0};
    return {false, candidates.Code(hand, 0)};
  }
  switch (character) {
    case Character::Agarita:
      if (const int code = FirstOfRank(hand, candidates, view.roles.SuitChangeRank)) return {false, code};
      return {false, HighestCardRule(hand, candidates)};
    case Character::Ukkari:
      return {false, LowestRankRule(hand, candidates)};
    case Character::Neutora:
      return {false, SecondHighestRule(hand, candidates, view.roles.SuitChangeRank)};
    case Character::KiOokuman:
      return {false, PlannedTotalRule(view, candidates)};
    case Character::TrickUme:
    case Character::Zunpasky:
      break;
  }
  return {false, HighestCardRule(hand, candidates)};
}

}  // namespace zunpa
