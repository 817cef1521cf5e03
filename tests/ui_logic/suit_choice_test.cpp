// The suit choice after the user's suit-change card.

#include "ui_logic/suit_choice.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

TEST(SuitChoice, TickedBoxOpensOnTheSuggestedSuit) {
  const SuitDialog d = OpenSuitChoice({2, true});
  EXPECT_EQ(d.selected, 2);
  EXPECT_TRUE(d.autoDetect);
}

TEST(SuitChoice, UntickedBoxOpensWithNoSuitAndOkAtOnceIsRefused) {
  SuitDialog d = OpenSuitChoice({3, false});
  EXPECT_FALSE(d.selected);
  const SuitOk ok = PressSuitOk(d);
  EXPECT_FALSE(ok.choice);
  ASSERT_TRUE(ok.refusal);
  EXPECT_EQ(ok.refusal->text, "どれか選択してください");
  EXPECT_EQ(ok.refusal->title, "ズンパＳ");
  EXPECT_EQ(ok.refusal->icon, Icon::Information);
  EXPECT_FALSE(SuitDialogMayClose(d));
}

TEST(SuitChoice, TickingSelectsTheSuggestionAndUntickingClearsIt) {
  SuitDialog d = OpenSuitChoice({1, false});
  SelectSuit(d, 3);
  SetSuitAutoDetect(d, true);
  EXPECT_EQ(d.selected, 1);
  SetSuitAutoDetect(d, false);
  EXPECT_FALSE(d.selected);
}

TEST(SuitChoice, OkGivesThePickedSuitAndTheBoxToKeep) {
  SuitDialog d = OpenSuitChoice({0, true});
  SelectSuit(d, 2);
  const SuitOk ok = PressSuitOk(d);
  ASSERT_TRUE(ok.choice);
  EXPECT_EQ(ok.choice->suit, 2);
  EXPECT_TRUE(ok.choice->autoDetect);
  EXPECT_FALSE(ok.refusal);

  SuitDialog unticked = OpenSuitChoice({0, false});
  SelectSuit(unticked, 0);
  EXPECT_FALSE(PressSuitOk(unticked).choice->autoDetect);
}

TEST(SuitChoice, ClosesOnlyOnceASuitIsConfirmed) {
  SuitDialog d = OpenSuitChoice({0, true});
  EXPECT_FALSE(SuitDialogMayClose(d));  // Esc or the close box before OK
  PressSuitOk(d);
  EXPECT_TRUE(SuitDialogMayClose(d));
}

TEST(SuitChoice, NoSuchOptionIsNeverSelected) {
  SuitDialog d = OpenSuitChoice({7, true});
  EXPECT_FALSE(d.selected);
  SelectSuit(d, 4);
  SelectSuit(d, -1);
  EXPECT_FALSE(d.selected);
}

}  // namespace
}  // namespace zunpa::ui
