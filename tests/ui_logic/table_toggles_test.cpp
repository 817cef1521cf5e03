// Automatic detection and x-ray mode change the table the moment they are
// switched.

#include "ui_logic/table_toggles.h"

#include <gtest/gtest.h>

#include "rules/table_display.h"
#include "table_builder.h"

namespace zunpa::ui {
namespace {

using zunpa::testing::SetTable;
using zunpa::testing::TableTest;

class AutoDetect : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    // Against the five of spades the ace of spades and the five of hearts go.
    SetTable(game,
             {{{102, 103, 104, 106, 107},
               {108, 109, 110, 111, 112},
               {113, 201, 202, 203, 204},
               {kHand.begin(), kHand.end()}}},
             105);
    game.display.stockCounterVisible = true;
  }
  static constexpr std::array<int, 5> kHand = {101, 205, 312, 409, 413};
  DisplayModel& display = game.display;
};

TEST_F(AutoDetect, OffWhileTheUserIsToMoveRemovesMarksAndTotalAtOnce) {
  UnlockHumanInput(game);
  ShowHandTotal(game);
  display.handTotalVisible = true;
  ASSERT_EQ(display.playableMarks, 2);

  ToggleAutoDetect(game);
  EXPECT_FALSE(game.options.AutoDetect);
  EXPECT_EQ(display.playableMarks, 0);
  EXPECT_FALSE(display.handTotalVisible);
  EXPECT_EQ(display.handTotal, "");
  EXPECT_TRUE(game.flow.humanInputOpen);
  EXPECT_TRUE(display.drawButtonEnabled);
}

TEST_F(AutoDetect, OnWhileTheUserIsToMoveMarksThePlayableCardsAgain) {
  game.options.AutoDetect = false;
  UnlockHumanInput(game);
  ASSERT_EQ(display.playableMarks, 0);

  ToggleAutoDetect(game);
  ASSERT_EQ(display.playableMarks, 2);
  EXPECT_EQ(display.playableMarkLefts[0], kMarkLeft);              // the ace, first in the row
  EXPECT_EQ(display.playableMarkLefts[1], kMarkLeft + kHandStep);  // the five of hearts
  EXPECT_TRUE(display.handTotalVisible);
  EXPECT_EQ(display.handTotal, "40");
}

TEST_F(AutoDetect, OnWithNoRoundOnTheTableLeavesTheTotalHidden) {
  game.options.AutoDetect = false;
  display.stockCounterVisible = false;
  ToggleAutoDetect(game);
  EXPECT_TRUE(game.options.AutoDetect);
  EXPECT_FALSE(display.handTotalVisible);
}

TEST_F(AutoDetect, DuringTheComputersMovesNoCardIsOpened) {
  LockHumanInput(game);
  game.options.AutoDetect = false;
  ToggleAutoDetect(game);
  EXPECT_FALSE(game.flow.humanInputOpen);
  EXPECT_FALSE(display.drawButtonEnabled);
  EXPECT_EQ(display.playableMarks, 0);
  for (int code : kHand)
    EXPECT_FALSE(display.CardOfCode(code).enabled) << code;
}

TEST(Xray, TwoDoubleClicksShowTheListsAndHideThemWithTheTwoMessagesInTurn) {
  DisplayModel d;
  const Message on = ToggleXray(d);
  EXPECT_TRUE(d.xray);
  EXPECT_EQ(on.title, "レントゲン機能ON");
  EXPECT_EQ(on.text, "元に戻す場合は、ラウンドのところをダブルクリックしてください。");
  const Message off = ToggleXray(d);
  EXPECT_FALSE(d.xray);
  EXPECT_EQ(off.title, "レントゲン機能OFF");
  EXPECT_EQ(off.text, "レントゲン機能ONにするには、ラウンドのところをダブルクリックしてください。");
  EXPECT_EQ(on.icon, Icon::Information);
  EXPECT_EQ(off.icon, Icon::Information);
}

}  // namespace
}  // namespace zunpa::ui
