#include "rules/play.h"

#include "flow/turn_cycle.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

using PlayTest = TableTest;

TEST_F(PlayTest, CardMustMatchThePileBySuitOrRank) {
  SetTable(game, {{{101, 113}, {103, 112}, {105, 106}, {307, 202, 111}}}, 207);
  const int stock = round.stock.StockCount;
  Play(4, 111);  // a suit-change card is not wild
  EXPECT_EQ(round.SelRank, 99);
  EXPECT_EQ(round.SelSuit, 99);
  EXPECT_EQ(round.HandOf(4).size(), 3);
  EXPECT_EQ(round.PileSuit, kHeart);
  EXPECT_EQ(round.PileRank, 7);
  EXPECT_EQ(round.stock.StockCount, stock);
  EXPECT_EQ(round.pileLog.size(), 1);
  EXPECT_TRUE(game.flow.humanInputOpen);
  EXPECT_TRUE(host.MessageTexts().empty());

  Play(4, 307);
  EXPECT_EQ(round.PileSuit, kClub);
  EXPECT_EQ(round.pileLog.size(), 2);
  EXPECT_EQ(game.flow.pendingSeat, 1);
  SetTable(game, {{{101, 113}, {103, 112}, {105, 106}, {307, 202, 111}}}, 207);
  Play(4, 202);
  EXPECT_EQ(round.DrawPenalty, 2);
}

TEST_F(PlayTest, DeclaredSuitHoldsUntilTheNextCard) {
  SetTable(game, {{{101, 113}, {103, 104}, {105, 106}, {303, 203, 112}}}, 211);
  round.PilePrintedSuit = kHeart;
  round.PileSuit = kClub;
  round.SuitDeclared = true;
  game.display.suitMarkers[2].visible = true;
  Play(4, 203);
  EXPECT_EQ(round.SelRank, 99);
  Play(4, 303);
  EXPECT_EQ(round.PileSuit, kClub);
  EXPECT_EQ(round.PileRank, 3);
  EXPECT_FALSE(round.SuitDeclared);
  EXPECT_FALSE(game.display.suitMarkers[2].visible);
  // The jack of hearts moved back along the fan as a heart.
  EXPECT_EQ(game.display.Card(kHeart, 11).left, 3480);
  EXPECT_EQ(game.display.Card(kClub, 3).left, 3720);
}

TEST_F(PlayTest, TwosDoubleThePenaltyUpToSixteen) {
  SetTable(game, {{{102, 113}, {202, 213}, {302, 313}, {402, 413}}}, 105);
  Play(1, 102);
  Play(2, 202);
  EXPECT_EQ(round.DrawPenalty, 4);
  Play(3, 302);
  Play(4, 402);
  EXPECT_EQ(round.DrawPenalty, 16);
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"500@1", "500@2", "500@3", "500@4"}));
}

TEST_F(PlayTest, TwoReversesRestoreTheDirectionAndTheDownArrow) {
  SetTable(game, {{{108, 113}, {208, 213}, {101}, {102}}}, 105);
  Play(1, 108);
  EXPECT_TRUE(round.Reversed);
  EXPECT_TRUE(game.display.arrowUp);
  EXPECT_EQ(game.flow.pendingSeat, 4);
  Play(2, 208);
  EXPECT_FALSE(round.Reversed);
  EXPECT_FALSE(game.display.arrowUp);
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"502@1", "502@2"}));
}

TEST_F(PlayTest, MessageSwitchesSilenceOnlyTheCallout) {
  game.options.MsgSkip = false;
  SetTable(game, {{{110, 113}, {208, 213}, {101}, {102}}}, 105);
  Play(1, 110);
  EXPECT_TRUE(host.Callouts().empty());
  EXPECT_EQ(game.flow.pendingSeat, 3);
  EXPECT_EQ(round.CurrentSeat, 0);
}

TEST_F(PlayTest, GoingOutWithASkipEndsTheRound) {
  SetTable(game, {{{110}, {208, 213}, {301, 304}, {402, 413}}}, 105);
  Play(1, 110);
  EXPECT_EQ(round.OutSeat, 1);
  EXPECT_FALSE(round.SkipPending);
  EXPECT_EQ(game.flow.pendingSeat, 0);
  EXPECT_EQ(host.Callouts().front(), "508@1");
  EXPECT_EQ(host.roundResults.size(), 1u);
}

TEST_F(PlayTest, PileFanShiftsDownAndRight) {
  SetTable(game, {{{103, 104, 106}, {213}, {301}, {402}}}, 105);
  Play(1, 103);
  Play(1, 104);
  Play(1, 106);
  const DisplayModel& d = game.display;
  EXPECT_EQ(d.Card(kSpade, 6).left, 3720);
  EXPECT_EQ(d.Card(kSpade, 4).left, 3480);
  EXPECT_EQ(d.Card(kSpade, 3).left, 3240);
  EXPECT_EQ(d.Card(kSpade, 5).left, 3000);
  EXPECT_EQ(d.Card(kSpade, 5).top, 3300);
  EXPECT_GT(d.Card(kSpade, 6).z, d.Card(kSpade, 4).z);
  EXPECT_TRUE(d.Card(kSpade, 6).faceUp);
}

TEST_F(PlayTest, CardSoundFollowsItsOwnSwitchOnly) {
  game.options.CardSound = true;
  game.options.Sound = false;
  SetTable(game, {{{103, 104}, {113}, {301}, {402}}}, 105);
  Play(1, 103);
  EXPECT_EQ(host.Sounds(), std::vector<std::string>{"card.wav"});
  game.options.CardSound = false;
  Play(2, 113);
  EXPECT_EQ(host.Sounds().size(), 1u);
}

}  // namespace
}  // namespace zunpa::testing
