#include "rules/cards.h"

#include <gtest/gtest.h>

#include "rules/hand.h"
#include "rules/roles.h"

namespace zunpa {
namespace {

TEST(Cards, CodesAndNumbersConvertBothWays) {
  EXPECT_EQ(CodeOf(kDiamond, 13), 413);
  EXPECT_EQ(CodeOf(kSpade, 1), 101);
  EXPECT_EQ(CardOfNumber(0), (Card{kSpade, 1}));
  EXPECT_EQ(CardOfNumber(3), (Card{kDiamond, 1}));
  EXPECT_EQ(CardOfNumber(48), (Card{kSpade, 13}));
  EXPECT_EQ(CardOfNumber(51), (Card{kDiamond, 13}));
  for (int n = 0; n < kCardsInPack; ++n) {
    const Card c = CardOfNumber(n);
    EXPECT_EQ(NumberOf(c), n);
    EXPECT_EQ(CardOfCode(CodeOf(c)), c);
  }
}

TEST(Cards, PenaltyDoublesUpToSixteen) {
  int penalty = 0;
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i)
    seen.push_back(penalty = RaisePenalty(penalty));
  EXPECT_EQ(seen, (std::vector<int>{2, 4, 8, 16, 16}));
}

TEST(Hand, KeepsCodesSortedAndTotalsRanks) {
  Hand h;
  for (int code : {111, 413, 110, 101, 109, 205})
    h.Insert(code);
  EXPECT_EQ(std::vector<int>(h.begin(), h.end()), (std::vector<int>{101, 109, 110, 111, 205, 413}));
  EXPECT_EQ(h.Total(), 1 + 9 + 10 + 11 + 5 + 13);
  EXPECT_TRUE(h.Remove(110));
  EXPECT_FALSE(h.Remove(110));
  EXPECT_EQ(h.Total(), 1 + 9 + 11 + 5 + 13);
  EXPECT_EQ(h.CountOfSuit(kSpade), 3);
}

TEST(Roles, AssignmentsFollowTheRoleTableRules) {
  EXPECT_TRUE(RolesValid(Roles{}));
  EXPECT_EQ(RolesProblem({2, 8, 8}), "2は設定できません");
  EXPECT_EQ(RolesProblem({11, 10, 10}), "設定値が重複しています");
  EXPECT_FALSE(RolesValid({14, 8, 10}));
  EXPECT_FALSE(RolesValid({0, 8, 10}));
  EXPECT_TRUE(RolesValid({1, 13, 3}));
}

}  // namespace
}  // namespace zunpa
