// The card-role dialog's lists and its two refusals.

#include "ui_logic/card_roles.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

RoleEntries EntriesOf(int suitChange, int reverse, int skip) {
  return {suitChange - 1, reverse - 1, skip - 1};
}

TEST(CardRoles, ListsOfferOneToThirteenAndOpenOnTheCurrentRanks) {
  const auto texts = RoleEntryTexts();
  const RoleEntries open = OpenRoleEntries(Roles{});
  EXPECT_EQ(texts[open[0]], "11");
  EXPECT_EQ(texts[open[1]], "8");
  EXPECT_EQ(texts[open[2]], "10");
  EXPECT_EQ(texts.front(), "1");
  EXPECT_EQ(texts.back(), "13");
}

TEST(CardRoles, OpeningAndOkGiveBackTheSameRoles) {
  const Roles roles{1, 13, 7};
  const RolesOk ok = PressRolesOk(OpenRoleEntries(roles));
  ASSERT_TRUE(ok.roles);
  EXPECT_EQ(*ok.roles, roles);
  EXPECT_FALSE(ok.refusal);
}

TEST(CardRoles, TwoForAnyRoleIsRefusedWithAnApology) {
  for (const RoleEntries& e : {EntriesOf(2, 8, 10), EntriesOf(11, 2, 10), EntriesOf(11, 8, 2)}) {
    const RolesOk ok = PressRolesOk(e);
    EXPECT_FALSE(ok.roles);
    ASSERT_TRUE(ok.refusal);
    EXPECT_EQ(ok.refusal->text, "2は設定できません");
    EXPECT_EQ(ok.refusal->title, "すいません");
    EXPECT_EQ(ok.refusal->icon, Icon::Information);
  }
}

TEST(CardRoles, TwoAndADuplicateTogetherReportOnlyTheTwo) {
  const RolesOk ok = PressRolesOk(EntriesOf(2, 9, 9));
  ASSERT_TRUE(ok.refusal);
  EXPECT_EQ(ok.refusal->text, "2は設定できません");
}

TEST(CardRoles, SameRankForReverseAndSkipIsADuplicate) {
  for (const RoleEntries& e : {EntriesOf(11, 9, 9), EntriesOf(5, 5, 10), EntriesOf(4, 8, 4)}) {
    const RolesOk ok = PressRolesOk(e);
    EXPECT_FALSE(ok.roles);
    ASSERT_TRUE(ok.refusal);
    EXPECT_EQ(ok.refusal->text, "設定値が重複しています");
    EXPECT_EQ(ok.refusal->title, "カード設定");
  }
}

TEST(CardRoles, NoEntrySelectedStoresNothing) {
  const RolesOk ok = PressRolesOk({-1, 7, 9});
  EXPECT_FALSE(ok.roles);
}

}  // namespace
}  // namespace zunpa::ui
