#pragma once
// What a computer seat may know when it decides: its own hand, the pile and
// the pile log, how many cards the others hold, its standing and the card
// roles. No other hand is reachable from here, so no character can cheat.

#include <array>

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
  std::array<int, kSeats> handCounts{};
  int standing = 0;  // 1..4 once a round of the game is settled, 0 before
  Roles roles;
};

// The positions, in hand order, of the cards that may be played now.
struct Candidates {
  std::array<unsigned char, kCardsInPack> positions;  // the first `count` are set
  int count = 0;
  int Code(const Hand& hand, int j) const { return hand[positions[j]]; }
};

Candidates ListCandidates(const Hand& hand, int pileSuit, int pileRank);

struct Game;
// What seat `seat` may know of the table.
SeatView ViewOfSeat(const Game& g, int seat);

}  // namespace zunpa
