// Placing a window beside another: the side chosen, the windows left
// free, and a screen too small for the whole window.

#include "ui_logic/beside_placement.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

BesideRequest Request(Box anchor) {
  BesideRequest q;
  q.anchor = anchor;
  q.screen = {0, 0, 1920, 1080};
  q.width = 600;
  q.height = 400;
  q.minWidth = 360;
  q.minHeight = 240;
  return q;
}

TEST(PlaceBeside, StandsRightOfTheAnchorLevelWithItsTop) {
  const Box box = PlaceBeside(Request({400, 300, 250, 170}));
  EXPECT_EQ(box, (Box{658, 300, 600, 400}));
}

TEST(PlaceBeside, TakesTheOtherSidesInTurnWhenTheRightIsShort) {
  EXPECT_EQ(PlaceBeside(Request({1500, 300, 250, 170})), (Box{892, 300, 600, 400}));
  // Neither beside fits on a narrow screen: below, centred on the anchor.
  BesideRequest narrow = Request({100, 100, 500, 170});
  narrow.screen = {0, 0, 700, 1080};
  EXPECT_EQ(PlaceBeside(narrow), (Box{50, 278, 600, 400}));
}

TEST(PlaceBeside, LeavesTheKeptWindowsFree) {
  BesideRequest q = Request({400, 300, 250, 170});
  q.keepFree = {{1000, 500, 200, 400}};
  const Box box = PlaceBeside(q);
  EXPECT_FALSE(box.Overlaps(q.keepFree[0]));
  EXPECT_FALSE(box.Overlaps(q.anchor));
  EXPECT_EQ(box.width, 600);
}

TEST(PlaceBeside, StepsPastAKeptWindowWhenNoSideOfTheAnchorIsFree) {
  // The standings in the middle of the table, the score table at the
  // table's right edge: the chart goes right of the score table.
  BesideRequest q = Request({300, 200, 250, 170});
  q.keepFree = {{700, 150, 180, 410}};
  EXPECT_EQ(PlaceBeside(q), (Box{888, 200, 600, 400}));
}

TEST(PlaceBeside, ShrinksRatherThanCoverAKeptWindow) {
  // A small screen: the whole window fits only over the score table.
  BesideRequest q = Request({190, 180, 250, 170});
  q.screen = {0, 0, 960, 540};
  q.keepFree = {{510, 100, 176, 440}};
  q.minWidth = 240;
  EXPECT_EQ(PlaceBeside(q), (Box{694, 140, 266, 400}));
  q.minWidth = 300;  // too narrow there: the score table is covered
  EXPECT_EQ(PlaceBeside(q), (Box{448, 140, 512, 400}));
}

TEST(PlaceBeside, ShrinksToTheLargestRoomAndStaysOnTheScreen) {
  BesideRequest q = Request({250, 200, 300, 200});
  q.screen = {0, 0, 800, 600};
  q.minWidth = 200;
  q.minHeight = 150;
  const Box box = PlaceBeside(q);
  EXPECT_FALSE(box.Overlaps(q.anchor));
  EXPECT_GE(box.width, q.minWidth);
  EXPECT_GE(box.height, q.minHeight);
  EXPECT_GE(box.left, 0);
  EXPECT_LE(box.Right(), 800);
  EXPECT_LE(box.Bottom(), 600);
  EXPECT_EQ(box, (Box{100, 408, 600, 192}));  // below: the most room
  // With no room anywhere the whole window is kept on the screen.
  q.minWidth = 700;
  q.minHeight = 500;
  const Box last = PlaceBeside(q);
  EXPECT_EQ(last.width, 600);
  EXPECT_LE(last.Right(), 800);
  EXPECT_LE(last.Bottom(), 600);
}

}  // namespace
}  // namespace zunpa::ui
