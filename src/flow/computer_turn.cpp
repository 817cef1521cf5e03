#include "flow/computer_turn.h"

#include "flow/draw_two.h"
#include "flow/play_card.h"
#include "flow/turn_cycle.h"
#include "players/strategies.h"
#include "rules/draw.h"

namespace zunpa {

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
