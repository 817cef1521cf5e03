#include "flow/turn_cycle.h"

#include "rules/play.h"
#include "rules/table_display.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

using TurnCycleTest = TableTest;

TEST(NextSeat, FollowsDirectionAndSkips) {
  const int normal[4] = {2, 3, 4, 1}, normalSkip[4] = {3, 4, 1, 2};
  const int reversed[4] = {4, 1, 2, 3}, reversedSkip[4] = {3, 4, 1, 2};
  for (int seat = 1; seat <= 4; ++seat) {
    EXPECT_EQ(NextSeat(seat, false, false), normal[seat - 1]);
    EXPECT_EQ(NextSeat(seat, false, true), normalSkip[seat - 1]);
    EXPECT_EQ(NextSeat(seat, true, false), reversed[seat - 1]);
    EXPECT_EQ(NextSeat(seat, true, true), reversedSkip[seat - 1]);
  }
}

TEST_F(TurnCycleTest, SkipUsedUpClearsTheMoverAndCountsTheStock) {
  SetTable(game, {{{101}, {201}, {301}, {401}}}, 110);
  round.CurrentSeat = 2;
  round.SkipPending = true;
  PassTurn(game);
  EXPECT_EQ(game.flow.pendingSeat, 4);
  EXPECT_FALSE(round.SkipPending);
  EXPECT_EQ(round.CurrentSeat, 0);
  EXPECT_EQ(game.display.stockCounter, "あと" + std::to_string(round.stock.StockCount) + "枚");
  EXPECT_EQ(game.display.barTop, 5100);
}

TEST_F(TurnCycleTest, UserReachedBySkipIsUnlockedWithoutADrawTwoQuestion) {
  SetTable(game, {{{101}, {201}, {301}, {401, 402}}}, 110);
  round.CurrentSeat = 2;
  round.Reversed = true;
  round.SkipPending = true;
  round.DrawPenalty = 2;
  PassTurn(game);
  RunSteps(game);
  EXPECT_TRUE(game.flow.humanInputOpen);
  EXPECT_TRUE(game.display.drawButtonEnabled);
  EXPECT_TRUE(host.MessageTexts().empty());
}

TEST_F(TurnCycleTest, UserAfterATwoIsAskedToAnswerIt) {
  SetTable(game, {{{101, 113}, {201, 213}, {302, 313}, {402, 403}}}, 305);
  round.CurrentSeat = 3;
  round.SelSuit = kClub;
  round.SelRank = 2;
  PlayCard(game);
  host.answers = {Answer::No};
  RunStep(game);  // the user's answer, and no further
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"２が１枚あります。出しますか？", "2枚めくります。"}));
  EXPECT_EQ(round.HandOf(4).size(), 4);
  EXPECT_FALSE(game.flow.humanInputOpen);
}

TEST_F(TurnCycleTest, UnlockingMarksThePlayableCards) {
  SetTable(game, {{{101}, {201}, {301}, {103, 107, 205, 307}}}, 207);
  round.SelRank = 7;
  UnlockHumanInput(game);
  const DisplayModel& d = game.display;
  ASSERT_EQ(d.playableMarks, 3);
  EXPECT_EQ(d.playableMarkLefts[0], 3020 + 250 * 1);
  EXPECT_EQ(d.playableMarkLefts[1], 3020 + 250 * 2);
  EXPECT_EQ(d.playableMarkLefts[2], 3020 + 250 * 3);
  EXPECT_TRUE(d.Card(kSpade, 3).enabled);
  LockHumanInput(game);
  EXPECT_EQ(d.playableMarks, 0);
  EXPECT_FALSE(d.Card(kSpade, 3).enabled);
  EXPECT_FALSE(d.drawButtonEnabled);

  round.SelRank = 2;  // the last card played was a 2
  UnlockHumanInput(game);
  EXPECT_EQ(d.playableMarks, 0);
  game.options.AutoDetect = false;
  round.SelRank = 7;
  UnlockHumanInput(game);
  EXPECT_EQ(d.playableMarks, 0);
}

TEST_F(TurnCycleTest, HandTotalUsesTheLargeFontBelowFourteen) {
  SetTable(game, {{{101}, {201}, {301}, {103, 204, 305}}}, 207);
  ShowHandTotal(game);
  EXPECT_EQ(game.display.handTotal, "12");
  EXPECT_EQ(game.display.handTotalFontSize, 18);
  SetTable(game, {{{101}, {201}, {301}, {109, 305}}}, 207);
  ShowHandTotal(game);
  EXPECT_EQ(game.display.handTotal, "14");
  EXPECT_EQ(game.display.handTotalFontSize, 10);
}

TEST_F(TurnCycleTest, ClicksCountOnlyOnTheUsersOwnUnlockedCards) {
  SetTable(game, {{{101, 113}, {201, 213}, {302, 313}, {305, 403}}}, 303);
  ClickCard(game, kClub, 5);
  EXPECT_TRUE(round.HandOf(4).Contains(305));  // locked: ignored
  UnlockHumanInput(game);
  ClickCard(game, kClub, 13);  // another seat's card
  EXPECT_TRUE(round.HandOf(3).Contains(313));
  EXPECT_TRUE(game.flow.humanInputOpen);
  ClickCard(game, kDiamond, 3);  // matches by rank
  EXPECT_FALSE(round.HandOf(4).Contains(403));
}

TEST_F(TurnCycleTest, RefusedCardKeepsTheUserToMove) {
  SetTable(game, {{{101, 113}, {201, 213}, {302, 313}, {305, 410}}}, 303);
  UnlockHumanInput(game);
  ClickCard(game, kDiamond, 10);
  EXPECT_TRUE(round.HandOf(4).Contains(410));
  EXPECT_TRUE(game.flow.humanInputOpen);
  EXPECT_EQ(round.SelRank, 99);
  EXPECT_EQ(game.display.playableMarks, 1);
}

TEST_F(TurnCycleTest, RoundEndingAmongComputersLeadsStraightIntoTheNext) {
  host.strict = false;
  SetTable(game, {{{306}, {201, 213}, {302, 313}, {305, 410}}}, 303);
  round.RoundNo = 5;
  round.NextStarter = 0;
  UnlockHumanInput(game);
  ClickCard(game, kClub, 5);  // seat 1 then goes out with the 6 of clubs
  RunSteps(game);
  EXPECT_EQ(round.RoundNo, 6);
  ASSERT_EQ(host.roundResults.size(), 1u);
  EXPECT_EQ(host.roundResults[0].roundNo, 5);
  EXPECT_EQ(game.display.roundCaption, "第6ラウンド");
  EXPECT_EQ(round.NextStarter, 0);
  EXPECT_TRUE(game.flow.humanInputOpen || round.RoundNo > 6);
  EXPECT_TRUE(game.display.saveEnabled);
}

}  // namespace
}  // namespace zunpa::testing
