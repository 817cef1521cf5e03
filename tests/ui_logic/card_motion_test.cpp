// Cards in motion: which cards slide after a move of the rules, from where
// and to where, how they ease, and what a new change mid-slide does.

#include "ui_logic/card_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "rules/deal.h"
#include "rules/draw.h"
#include "rules/table_display.h"
#include "table_builder.h"

namespace zunpa::ui {
namespace {

using zunpa::testing::ScriptedHost;

TEST(EaseOutCubic, StartsAtZeroEndsAtOneAndArrivesGently) {
  EXPECT_EQ(EaseOutCubic(-1), 0);
  EXPECT_EQ(EaseOutCubic(0), 0);
  EXPECT_EQ(EaseOutCubic(1), 1);
  EXPECT_EQ(EaseOutCubic(2), 1);
  EXPECT_DOUBLE_EQ(EaseOutCubic(0.5), 0.875);
  double last = 0, lastStep = 1;
  for (int k = 1; k <= 20; ++k) {
    const double e = EaseOutCubic(k / 20.0);
    EXPECT_GT(e, last);
    // Each step covers less ground than the one before.
    EXPECT_LT(e - last, lastStep);
    lastStep = e - last;
    last = e;
  }
}

// The rules tell the host after each change; the plan takes each one at
// the moment it comes, as the table does.
class WatchingHost : public ScriptedHost {
 public:
  std::function<void()> onDisplay;
  void DisplayChanged() override {
    ScriptedHost::DisplayChanged();
    if (onDisplay) onDisplay();
  }
};

class CardMotionTable : public ::testing::Test {
 protected:
  void SetUp() override {
    zunpa::testing::UseStandardTable(game);
    zunpa::testing::SetTable(
        game,
        {{{102, 103, 104, 106, 107}, {108, 109, 110, 111, 112}, {113, 201, 202, 203, 204}, {101, 205, 312, 409, 413}}},
        105);
    LayOutHands(game);
    motion.Take(game.display.cards, now, true);
    host.onDisplay = [this] { motion.Take(game.display.cards, now, true); };
  }
  void Play(int seat, int code) {
    round.CurrentSeat = seat;
    round.SelSuit = SuitOfCode(code);
    round.SelRank = RankOfCode(code);
    PlayCard(game);
  }
  const CardPicture& Model(int code) const { return game.display.cards[IndexOf(code)]; }
  ShownCard At(int code, double t) const { return motion.Shown(IndexOf(code), t); }
  static int IndexOf(int code) { return PictureIndex(SuitOfCode(code), RankOfCode(code)); }
  static ShownCard Resting(const CardPicture& c) { return {c.visible, c.faceUp, c.left, c.top, false}; }
  std::set<int> MovingAt(double t) const {
    std::set<int> codes;
    for (int i = 0; i < kCardsInPack; ++i)
      if (motion.Shown(i, t).moving) codes.insert((i / 13 + 1) * 100 + i % 13 + 1);
    return codes;
  }
  // Every card shows exactly as the rules put it.
  void ExpectAllAtRest(double t) const {
    for (int i = 0; i < kCardsInPack; ++i) {
      const ShownCard shown = motion.Shown(i, t);
      if (!game.display.cards[i].visible) {
        EXPECT_FALSE(shown.visible) << i;
        continue;
      }
      EXPECT_EQ(shown, Resting(game.display.cards[i])) << i;
    }
  }

  WatchingHost host;
  Game game{host};
  RoundState& round = game.round;
  CardMotion motion;
  double now = 1000;
};

TEST_F(CardMotionTable, APlayedCardSlidesToThePileTheRowClosesUpAndThePileStepsBack) {
  const CardPicture before = Model(101);
  Play(4, 101);
  EXPECT_EQ(MovingAt(now), (std::set<int>{101, 105, 205, 312, 409, 413}));
  EXPECT_EQ(At(101, now).left, before.left);
  EXPECT_EQ(At(101, now).top, before.top);
  EXPECT_EQ(At(205, now).left, 3250);
  // Halfway through the time the card has covered 7/8 of the way.
  const ShownCard half = At(101, now + kSlideMilliseconds / 2);
  EXPECT_EQ(half.left, before.left + int(std::lround((kPileLeft - before.left) * 0.875)));
  EXPECT_EQ(half.top, before.top + int(std::lround((kPileTop - before.top) * 0.875)));
  EXPECT_TRUE(motion.Moving(now + kSlideMilliseconds - 1));
  EXPECT_FALSE(motion.Moving(now + kSlideMilliseconds));
  ExpectAllAtRest(now + kSlideMilliseconds);
  EXPECT_EQ(At(101, now + kSlideMilliseconds).left, kPileLeft);
  EXPECT_EQ(At(105, now + kSlideMilliseconds).left, kPile2Left);
}

TEST_F(CardMotionTable, AComputerCardShowsItsFaceOnlyAsItReachesThePile) {
  Play(1, 103);
  EXPECT_FALSE(At(103, now + 1).faceUp);
  EXPECT_FALSE(At(103, now + kSlideMilliseconds - 1).faceUp);
  EXPECT_TRUE(At(103, now + kSlideMilliseconds).faceUp);
  EXPECT_TRUE(Model(103).faceUp);
}

TEST_F(CardMotionTable, ADrawnCardComesOffTheStockFaceDownAndTurnsOverInTheHand) {
  DrawCard(game, 3);
  const int drawn = CodeOf(round.DrawnSuit, round.DrawnRank);
  const ShownCard start = At(drawn, now);
  EXPECT_EQ(start.left, kStockLeft);
  EXPECT_EQ(start.top, kStockTop);
  EXPECT_FALSE(start.faceUp);
  EXPECT_TRUE(start.moving);
  const ShownCard end = At(drawn, now + kSlideMilliseconds);
  EXPECT_EQ(end, Resting(Model(drawn)));
  EXPECT_EQ(end.top, kRowTop[3]);
  EXPECT_TRUE(end.faceUp);
  // Only the drawn card and the cards after it in the row move.
  for (int code : MovingAt(now))
    EXPECT_TRUE(code == drawn || (round.HandOf(4).Contains(code) && code > drawn)) << code;
}

TEST_F(CardMotionTable, AtAReshuffleThePileGoesBackToTheStockAndTurnsOverThere) {
  Play(4, 101);
  Play(1, 103);
  Play(2, 109);
  now += 1000;
  round.stock.StockCount = 0;
  DrawCard(game, 0);
  const int drawn = CodeOf(round.DrawnSuit, round.DrawnRank);
  for (int code : {101, 103, 105}) {
    if (code == drawn) continue;
    const ShownCard start = At(code, now);
    EXPECT_TRUE(start.moving) << code;
    EXPECT_TRUE(start.faceUp) << code;
    EXPECT_NE(start.left, kStockLeft) << code;
    EXPECT_EQ(At(code, now + kSlideMilliseconds), (ShownCard{true, false, kStockLeft, kStockTop, false})) << code;
  }
  EXPECT_FALSE(At(109, now).moving);  // the top of the pile stays
  ExpectAllAtRest(now + kSlideMilliseconds);
}

TEST_F(CardMotionTable, AChangeMidSlideSetsOffFromWhereTheCardShows) {
  Play(4, 101);
  const double later = now + kSlideMilliseconds / 4;
  const ShownCard midway = At(101, later);
  ASSERT_TRUE(midway.moving);
  // A change elsewhere leaves the slide running as it was.
  CardMotion::Cards cards = game.display.cards;
  cards[IndexOf(112)].top += 100;
  motion.Take(cards, later, true);
  EXPECT_EQ(At(101, later), midway);
  EXPECT_FALSE(At(101, now + kSlideMilliseconds).moving);
  // Sent elsewhere, the card leaves from where it shows, without a jump.
  cards[IndexOf(101)].left = 4000;
  cards[IndexOf(101)].top = 2000;
  motion.Take(cards, later, true);
  EXPECT_EQ(At(101, later), midway);
  EXPECT_TRUE(At(101, now + kSlideMilliseconds).moving);
  EXPECT_EQ(At(101, later + kSlideMilliseconds), (ShownCard{true, true, 4000, 2000, false}));
}

TEST_F(CardMotionTable, ANewDealMidSlideDealsFromTheStockAndEndsWhereTheRulesSay) {
  Play(4, 101);
  now += kSlideMilliseconds / 3;
  ResetTable(game);
  // A cleared table shows nothing, whatever was on its way.
  for (int i = 0; i < kCardsInPack; ++i)
    EXPECT_FALSE(motion.Shown(i, now).visible);
  ShuffleAndDeal(game);
  for (int seat = 1; seat <= 4; ++seat) {
    for (int code : round.HandOf(seat)) {
      EXPECT_EQ(At(code, now).left, kStockLeft) << code;
      EXPECT_EQ(At(code, now).top, kStockTop) << code;
    }
  }
  EXPECT_TRUE(motion.Moving(now));
  ExpectAllAtRest(now + kSlideMilliseconds);
}

TEST_F(CardMotionTable, WithoutMotionOrBeforeAnyTableEveryCardShowsAtOnce) {
  host.onDisplay = [this] { motion.Take(game.display.cards, now, false); };
  Play(4, 101);
  EXPECT_FALSE(motion.Moving(now));
  ExpectAllAtRest(now);

  CardMotion fresh;
  fresh.Take(game.display.cards, now, true);
  EXPECT_FALSE(fresh.Moving(now));
  EXPECT_FALSE(fresh.SlideBounds());
}

TEST_F(CardMotionTable, SlidesCoverTheirPathsUntilTheySettleOrFinish) {
  Play(4, 205);
  const std::optional<TwipsRect> bounds = motion.SlideBounds();
  ASSERT_TRUE(bounds);
  // From the first card that closed up to the old place of the last, and
  // up to the pile's second place: nothing more.
  EXPECT_EQ(*bounds, (TwipsRect{3250, kPile2Top, 4000 + 690, kRowTop[3] + 960}));
  EXPECT_TRUE(motion.Settle(now + kSlideMilliseconds - 1));
  EXPECT_FALSE(motion.Settle(now + kSlideMilliseconds));
  EXPECT_FALSE(motion.SlideBounds());

  Play(3, 201);
  ASSERT_TRUE(motion.Moving(now));
  motion.Finish();
  EXPECT_FALSE(motion.Moving(now));
  ExpectAllAtRest(now);
}

}  // namespace
}  // namespace zunpa::ui
