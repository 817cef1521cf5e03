#pragma once
// Puts a chosen table in front of a test: hands, pile and stock as given.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "flow/play_card.h"
#include "rules/game.h"
#include "rules/play.h"
#include "scripted_host.h"

namespace zunpa::testing {

// Seats 1..3 ｱｶﾞﾘｰﾀ, ｳｯｶﾘﾊﾁﾍﾞｴ, ﾙ･ﾆｭｰﾄﾗ and the user at seat 4, options
// that speak in balloons, no card sound and no pauses.
void UseStandardTable(Game& g);
void SetCharacters(Game& g, std::initializer_list<Character> seats1to3);

// Hands of seats 1..4 and the top of the pile; the round state is as at
// the start of a move with nothing pending. The stock holds `stock`
// (place 0 first, the last one on top), or when empty every other card.
void SetTable(Game& g, const std::array<std::vector<int>, 4>& hands, int pileTop, std::vector<int> stock = {});
// The table's invariants hold: above all, every card of the pack is in
// exactly one of the hands, the stock or the pile log.
::testing::AssertionResult EveryCardOnce(const Game& g);

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { UseStandardTable(game); }
  // Seat `seat` plays `code` through the play routine.
  void Play(int seat, int code) {
    round.CurrentSeat = seat;
    round.SelSuit = SuitOfCode(code);
    round.SelRank = RankOfCode(code);
    PlayCard(game);
  }
  ScriptedHost host;
  Game game{host};
  RoundState& round = game.round;
};

}  // namespace zunpa::testing
