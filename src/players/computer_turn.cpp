#include "players/computer_turn.h"

#include "engine/draw.h"
#include "engine/play.h"
#include "engine/turn_cycle.h"
#include "players/strategies.h"

namespace zunpa {

SeatView ViewOfSeat(const Game& g, int seat) {
  const RoundState& r = g.round;
  SeatView view{seat, r.HandOf(seat), r.PileSuit, r.PileRank, r.pileLog, {}, g.scores.standing[seat - 1], g.roles};
  for (int s = 0; s < kSeats; ++s)
    view.handCounts[s] = r.hands[s].size();
  return view;
}

void ComputerTurn(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  const auto& character = g.seats.character[listIndex];
  if (!character) return;
  if (r.SelRank == kDrawTwoRank) {
    AnswerDrawTwo(g, listIndex);
    return;
  }
  const Move move = ChooseMove(*character, ViewOfSeat(g, seat));
  r.CurrentSeat = seat;
  if (move.draw) {
    DrawCard(g, listIndex);
    PassTurn(g);
    return;
  }
  r.SelSuit = SuitOfCode(move.code);
  r.SelRank = RankOfCode(move.code);
  PlayCard(g);
}

}  // namespace zunpa
