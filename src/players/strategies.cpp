#include "players/strategies.h"

#include <array>

namespace zunpa {
namespace {

int FirstOf(CardSet cards) {
  return cards != 0 ? CodeOfBit(LowestBit(cards)) : 0;
}

int LastOf(CardSet cards) {
  return cards != 0 ? CodeOfBit(HighestBit(cards)) : 0;
}

// Among equal ranks: does a card of `candidateSuit` beat one of
// `currentSuit`? The suit held more often wins, then the higher rank total.
bool SuitBeats(const Hand& hand, int candidateSuit, int currentSuit) {
  const CardSet candidate = hand.Cards() & SuitSet(candidateSuit), current = hand.Cards() & SuitSet(currentSuit);
  const int candidateCount = CountCards(candidate), currentCount = CountCards(current);
  if (candidateCount != currentCount) return candidateCount > currentCount;
  return RankTotal(candidate) > RankTotal(current);
}

int LowestRankRule(const Candidates& candidates) {
  const int lowest = __builtin_ctz(RanksIn(candidates.cards)) + 1;
  return FirstOf(candidates.cards & RankSet(lowest));
}

// The ranks of the three highest candidates, highest first (0 where there
// are fewer), counting a rank once per card.
std::array<int, 3> TopThreeRanks(const Candidates& candidates) {
  std::array<int, 3> top{};
  std::size_t got = 0;
  for (unsigned ranks = RanksIn(candidates.cards); ranks != 0 && got < top.size();) {
    const int index = 31 - __builtin_clz(ranks);
    ranks &= ~(1u << index);
    for (int n = CountCards(candidates.cards & RankSet(index + 1)); n > 0 && got < top.size(); --n)
      top[got++] = index + 1;
  }
  return top;
}

// The suit-change card ｷ･ｵｰｸﾏﾝ holds but cannot play now: aim the pile at its
// suit. With several, the last one held decides.
int PrepareHeldSuitChange(const SeatView& view, const Candidates& candidates) {
  const CardSet held = view.hand.Cards() & ~candidates.cards & RankSet(view.roles.SuitChangeRank);
  if (held == 0) return 0;
  return LastOf(candidates.cards & SuitSet(SuitOfBit(HighestBit(held))));
}

}  // namespace

int HighestCardRule(const Hand& hand, const Candidates& candidates) {
  const int highest = 31 - __builtin_clz(RanksIn(candidates.cards)) + 1;
  CardSet rest = candidates.cards & RankSet(highest);
  int choice = LowestBit(rest);
  for (rest &= rest - 1; rest != 0; rest &= rest - 1) {
    const int bit = LowestBit(rest);
    if (SuitBeats(hand, SuitOfBit(bit), SuitOfBit(choice))) choice = bit;
  }
  return CodeOfBit(choice);
}

int SecondHighestRule(const Candidates& candidates, int suitChangeRank) {
  const std::array<int, 3> top = TopThreeRanks(candidates);
  int target = top[1];
  if (top[0] == suitChangeRank && target == suitChangeRank && top[2] != 0) target = top[2];
  return FirstOf(candidates.cards & RankSet(target));
}

int PlannedTotalRule(const SeatView& view, const Candidates& candidates) {
  const Hand& hand = view.hand;
  const CardSet suitChanges = candidates.cards & RankSet(view.roles.SuitChangeRank);
  if (suitChanges != 0) return LastOf(suitChanges);
  if (const int code = PrepareHeldSuitChange(view, candidates)) return code;
  // Prefer leaving a total whose rank has been played least, then the higher
  // total, then the later candidate: the key 5-k, s, j read as one number.
  int bestKey = -1, bestCode = 0, j = 0;
  for (CardSet rest = candidates.cards; rest != 0; rest &= rest - 1, ++j) {
    const int bit = LowestBit(rest);
    const int left = hand.Total() - RankOfBit(bit);
    if (left > 26) break;
    if (left >= 14) continue;
    const int key = (5 - view.pileLog.CountOfRank(left)) * 10000 + left * 100 + j;
    if (key > bestKey) bestKey = key, bestCode = CodeOfBit(bit);
  }
  if (bestCode != 0) return bestCode;
  return HighestCardRule(hand, candidates);
}

Move ChooseMove(Character character, const SeatView& view) {
  const Hand& hand = view.hand;
  if (character == Character::Zunpasky && hand.size() == 1) return {true, 0};
  const Candidates candidates = ListCandidates(hand, view.pileSuit, view.pileRank);
  if (candidates.None()) return {true, 0};
  if (candidates.Single()) {
    if (character == Character::Ukkari && hand.size() == 4) return {true, 0};
    return {false, candidates.First()};
  }
  switch (character) {
    case Character::Agarita:
      if (const int code = FirstOf(candidates.cards & RankSet(view.roles.SuitChangeRank))) return {false, code};
      return {false, HighestCardRule(hand, candidates)};
    case Character::Ukkari:
      return {false, LowestRankRule(candidates)};
    case Character::Neutora:
      return {false, SecondHighestRule(candidates, view.roles.SuitChangeRank)};
    case Character::KiOokuman:
      return {false, PlannedTotalRule(view, candidates)};
    case Character::TrickUme:
    case Character::Zunpasky:
      break;
  }
  return {false, HighestCardRule(hand, candidates)};
}

}  // namespace zunpa
