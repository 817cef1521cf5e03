#pragma once
// How each character picks its move once no draw-two is waiting.

#include "players/seat_view.h"
#include "rules/characters.h"

namespace zunpa {

struct Move {
  bool draw = false;  // draw one card instead of playing
  int code = 0;       // the card to play
};

Move ChooseMove(Character character, const SeatView& view);

// The shared rule: the highest playable rank; among equal ranks the suit the
// hand holds most of, then the suit with the higher rank total.
int HighestCardRule(const Hand& hand, const Candidates& candidates);
// ﾙ･ﾆｭｰﾄﾗ: the second-highest playable rank, keeping a suit-change card back.
int SecondHighestRule(const Candidates& candidates, int suitChangeRank);
// ｷ･ｵｰｸﾏﾝ: plans the hand total left after the play from the cards played.
int PlannedTotalRule(const SeatView& view, const Candidates& candidates);

}  // namespace zunpa
