#include "players/strategies.h"

#include "flow/computer_turn.h"
#include "flow/turn_cycle.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

struct Seat {
  Hand hand;
  PileLog log;
  int pileSuit = 0, pileRank = 0;

  Seat(std::initializer_list<int> codes, int pileTop, std::initializer_list<int> played = {}) {
    for (int c : codes)
      hand.Insert(c);
    pileSuit = SuitOfCode(pileTop);
    pileRank = RankOfCode(pileTop);
    for (int c : played)
      log.Add(c);
    log.Add(pileTop);
  }
  Move Choose(Character c) const {
    static const Roles kRoles;
    const SeatView view{1, hand, pileSuit, pileRank, log, 0, kRoles};
    return ChooseMove(c, view);
  }
  int Plays(Character c) const {
    const Move m = Choose(c);
    return m.draw ? 0 : m.code;
  }
};

TEST(Strategies, UkkariDrawsWithFourCardsAndOneFit) {
  EXPECT_TRUE(Seat({105, 203, 304, 413}, 109).Choose(Character::Ukkari).draw);
  EXPECT_EQ(Seat({105, 107, 304, 413}, 109).Plays(Character::Ukkari), 105);
  EXPECT_EQ(Seat({105, 304, 413}, 109).Plays(Character::Ukkari), 105);
  EXPECT_EQ(Seat({105, 203, 304, 410, 413}, 109).Plays(Character::Ukkari), 105);
  // Among equal lowest ranks, the first in hand order.
  EXPECT_EQ(Seat({105, 109, 209, 413}, 309).Plays(Character::Ukkari), 109);
}

TEST(Strategies, ZunpaskyNeverPlaysItsLastCard) {
  EXPECT_TRUE(Seat({105}, 109).Choose(Character::Zunpasky).draw);
  EXPECT_EQ(Seat({105, 112}, 109).Plays(Character::Zunpasky), 112);
}

TEST(Strategies, NeutoraPlaysTheSecondHighest) {
  EXPECT_EQ(Seat({103, 109, 112, 405}, 101).Plays(Character::Neutora), 109);
  EXPECT_EQ(Seat({105, 111, 405}, 101).Plays(Character::Neutora), 105);
  EXPECT_EQ(Seat({111, 211, 405}, 311).Plays(Character::Neutora), 111);
  // Two suit-change cards on top of a 4: it keeps both back.
  EXPECT_EQ(Seat({404, 111, 211}, 411).Plays(Character::Neutora), 404);
}

TEST(Strategies, AgaritaPlaysASuitChangeCardAtOnce) {
  EXPECT_EQ(Seat({111, 113, 405}, 101).Plays(Character::Agarita), 111);
  EXPECT_EQ(Seat({106, 113, 405}, 101).Plays(Character::Agarita), 113);
}

TEST(Strategies, HighestCardPrefersTheSuitHeldMost) {
  const Seat seat({207, 307, 303, 305}, 107);
  EXPECT_EQ(seat.Plays(Character::TrickUme), 307);
  // As many of each suit: the higher rank total wins.
  EXPECT_EQ(Seat({207, 209, 307, 303}, 107).Plays(Character::TrickUme), 207);
}

TEST(Strategies, KiOokumanPlansTheTotalItLeaves) {
  // Total 30: the 2 would leave 28, which ends the planning.
  EXPECT_EQ(Seat({102, 110, 309, 409}, 101).Plays(Character::KiOokuman), 110);
  // Leaving 5 (three 5s gone) or 8 (none gone): it leaves 8.
  EXPECT_EQ(Seat({103, 106, 402}, 101, {305, 405, 205}).Plays(Character::KiOokuman), 103);
  // A playable suit-change card goes at once, the last of them.
  EXPECT_EQ(Seat({111, 211, 113}, 311).Plays(Character::KiOokuman), 211);
  // A held suit-change card: turn the pile to its suit.
  EXPECT_EQ(Seat({305, 309, 205, 311}, 105).Plays(Character::KiOokuman), 305);
}

class ComputerTurnTest : public TableTest {};

TEST_F(ComputerTurnTest, DrawsOneCardAndKeepsItWhenNothingFits) {
  SetTable(game, {{{203, 204}, {105, 106}, {107, 109}, {301, 303}}}, 411, {413});
  ComputerTurn(game, 0);
  EXPECT_EQ(round.HandOf(1).size(), 3);
  EXPECT_TRUE(round.HandOf(1).Contains(413));
  EXPECT_EQ(round.PileRank, 11);
  EXPECT_EQ(game.flow.pendingSeat, 2);
}

TEST_F(ComputerTurnTest, AnswersADrawTwoBeforeLookingForAMatch) {
  SetTable(game, {{{202, 307, 310}, {105, 106}, {107, 109}, {301, 303}}}, 302);
  round.SelRank = 2;
  round.DrawPenalty = 2;
  ComputerTurn(game, 0);
  EXPECT_EQ(round.PileSuit, kHeart);
  EXPECT_EQ(round.PileRank, 2);
  EXPECT_EQ(round.DrawPenalty, 4);
}

TEST_F(ComputerTurnTest, ZunpaskyGoesOutOnlyByAnsweringADrawTwo) {
  SetCharacters(game, {Character::Zunpasky, Character::Ukkari, Character::Neutora});
  SetTable(game, {{{202}, {105, 106}, {107, 109}, {301, 303}}}, 302);
  round.SelRank = 2;
  round.DrawPenalty = 2;
  ComputerTurn(game, 0);
  EXPECT_EQ(round.OutSeat, 1);
}

TEST_F(ComputerTurnTest, ThePauseBeforeAMoveIsTheStepsAndFollowsTheSpeedWhenAsked) {
  SetTable(game, {{{203, 204}, {105, 106}, {107, 109}, {301, 303}}}, 411);
  round.CurrentSeat = 4;
  PassTurn(game);
  const double pauses[] = {0, 0.5, 1, 2};
  for (int speed = 0; speed < 4; ++speed) {
    game.options.SpeedIndex = speed;
    const Step step = NextStep(game);
    EXPECT_EQ(step.kind, StepKind::ComputerMove);
    EXPECT_EQ(step.seat, 1);
    EXPECT_EQ(step.pauseSeconds, pauses[speed]);
  }
  game.watching = false;
  EXPECT_EQ(NextStep(game).pauseSeconds, 0);
  game.watching = true;
  RunStep(game);  // the move alone: the driver took no pause
  EXPECT_TRUE(host.OfKind(Event::Pause).empty());
  EXPECT_EQ(round.HandOf(1).size(), 3);  // nothing fits the jack of diamonds: it drew
  game.options.SpeedIndex = 1;
  host.strict = false;
  RunSteps(game);
  ASSERT_FALSE(host.events.empty());
  EXPECT_EQ(host.events[0].kind, Event::Pause);
  EXPECT_EQ(host.events[0].seconds, 0.5);
}

}  // namespace
}  // namespace zunpa::testing
