#include "analysis/yomi_input.h"

#include "rules/game.h"

namespace zunpa {
namespace {

constexpr int kUser = 4;

}  // namespace

unsigned HandsOpenedByCall(const RoundState& r) {
  unsigned seats = 0;
  const auto open = [&](int seat) {
    if (seat >= 1 && seat < kUser) seats |= 1u << (seat - 1);
  };
  if (r.ZunpaSeat1 == 0) return 0;
  open(r.ZunpaSeat1);
  if (r.ZunpaKind != 0) {
    open(r.ZunpaSeat2);
    open(r.ZunpaSeat3);
  }
  return seats;
}

YomiInput MakeYomiInput(const Game& g, const TableMemory& memory) {
  YomiInput in;
  in.roles = g.roles;
  in.options = g.options;
  in.characters = g.seats.character;
  in.round = g.round;
  RoundState& r = in.round;
  const unsigned opened = HandsOpenedByCall(r);
  for (int seat = 1; seat < kUser; ++seat) {
    in.otherHandSizes[static_cast<std::size_t>(seat - 1)] = r.HandOf(seat).size();
    if (!(opened & 1u << (seat - 1))) r.HandOf(seat).Clear();
  }
  r.stock.Deck = {};
  r.DrawnSuit = r.DrawnRank = 0;
  in.scores = g.scores;
  in.pendingSeat = g.flow.pendingSeat;
  in.pendingBySkip = g.flow.pendingBySkip;
  in.humanInputOpen = g.flow.humanInputOpen;
  in.penaltyDrawing = g.flow.penaltyDrawing;
  in.movesThisRound = g.flow.movesThisRound;
  in.moveCount = memory.size();
  for (int k = 0; k < in.moveCount; ++k)
    in.moves[static_cast<std::size_t>(k)] = memory[k];
  return in;
}

}  // namespace zunpa
