#pragma once
// What a computer seat may know when it decides: its own hand, the pile and
// the pile log, its standing and the card roles. No other hand is reachable
// from here, so no character can cheat.

#include "rules/hand.h"
#include "rules/roles.h"
#include "rules/round_state.h"

namespace zunpa {

struct SeatView {
  int seat = 0;
  const Hand& hand;
  int pileSuit = 0;
  int pileRank = 0;
  const PileLog& pileLog;
  int standing = 0;  // 1..4 once a round of the game is settled, 0 before
  const Roles& roles;
};

// The cards of the hand that may be played now, in hand order.
struct Candidates {
  CardSet cards = 0;
  bool None() const { return cards == 0; }
  bool Single() const { return cards != 0 && (cards & (cards - 1)) == 0; }
  int First() const { return CodeOfBit(LowestBit(cards)); }
};

inline Candidates ListCandidates(const Hand& hand, int pileSuit, int pileRank) {
  return {hand.Cards() & (SuitSet(pileSuit) | RankSet(pileRank))};
}

struct Game;
// What seat `seat` may know of the table.
SeatView ViewOfSeat(const Game& g, int seat);

}  // namespace zunpa
