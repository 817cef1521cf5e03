// Which part of the table a change dirties: only what was painted and
// changed, at both its old and its new place.

#include "ui_logic/table_dirt.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

TwipsRect Card(int left, int top) {
  return {left, top, left + 690, top + 960};
}

TEST(DirtyAreas, OnlyWhatChangedAtItsOldAndNewPlace) {
  DisplayModel before;
  before.cards[5] = {true, true, false, 3000, 4860, 1};
  before.cards[9] = {false, true, false, 4680, 3460, 2};
  before.barVisible = true;
  before.barTop = 300;
  const PaintedTable old = PaintedTable::Of(before);

  DisplayModel captions = before;
  captions.seats[0].total = "35";
  captions.stockCounter = "あと3枚";
  captions.cards[5].enabled = true;
  EXPECT_TRUE(DirtyAreas(old, PaintedTable::Of(captions)).empty());

  DisplayModel played = before;
  played.cards[5] = {true, true, false, 3720, 3660, 3};
  EXPECT_EQ(DirtyAreas(old, PaintedTable::Of(played)), (std::vector<TwipsRect>{Card(3000, 4860), Card(3720, 3660)}));

  DisplayModel turned = before;
  turned.cards[5].faceUp = false;
  turned.barTop = 1260;
  EXPECT_EQ(DirtyAreas(old, PaintedTable::Of(turned)),
            (std::vector<TwipsRect>{
                Card(3000, 4860), {kBarLeft, 300, kBarLeft + 480, 780}, {kBarLeft, 1260, kBarLeft + 480, 1740}}));

  DisplayModel marked = before;
  marked.playableMarks = 1;
  marked.playableMarkLefts[0] = 3020;
  EXPECT_EQ(DirtyAreas(old, PaintedTable::Of(marked)), (std::vector<TwipsRect>{{0, 5820, kTableWidth, 6015}}));
}

}  // namespace
}  // namespace zunpa::ui
