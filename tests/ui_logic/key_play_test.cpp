// Playing by keyboard, the hint and what a screen reader is told: all from
// the table as the rules leave it.

#include <gtest/gtest.h>

#include "flow/declare_suit.h"
#include "players/strategies.h"
#include "rules/table_display.h"
#include "table_builder.h"
#include "ui_logic/card_name.h"
#include "ui_logic/key_focus.h"
#include "ui_logic/table_items.h"

namespace zunpa::ui {
namespace {

using zunpa::testing::TableTest;

class KeyPlay : public TableTest {
 protected:
  // The user to move with these hands, the pile showing `pile`.
  void UserToMove(const std::array<std::vector<int>, 4>& hands, int pile) {
    zunpa::testing::SetTable(game, hands, pile);
    LayOutHands(game);
    game.display.Card(SuitOfCode(pile), RankOfCode(pile)) = {true, true, false, kPileLeft, kPileTop, 99};
    round.CurrentSeat = 4;
    game.display.drawButtonVisible = true;
    UnlockHumanInput(game);
  }
  std::vector<int> Cards(const std::vector<FocusStop>& stops) {
    std::vector<int> codes;
    for (const FocusStop& s : stops)
      codes.push_back(s.draw ? 0 : s.code);
    return codes;
  }
};

TEST(CardNames, NameTheSuitThenTheRankWithLettersForTheFaces) {
  EXPECT_EQ(CardName(209), "ハートの9");
  EXPECT_EQ(CardName(101), "スペードのA");
  EXPECT_EQ(CardName(310), "クローバーの10");
  EXPECT_EQ(CardName(411), "ダイヤのJ");
  EXPECT_EQ(CardName(413), "ダイヤのK");
  EXPECT_EQ(CardName(0), "");
  EXPECT_EQ(CardName(514), "");
}

TEST_F(KeyPlay, StopsAreTheFittingCardsLeftToRightThenTheDrawButton) {
  UserToMove({{{103, 104}, {105, 106}, {107, 109}, {201, 309, 205, 313, 409}}}, 209);
  // The hand is laid out in its own order; only suit or rank fits.
  std::vector<int> expected;
  std::vector<std::pair<int, int>> fitting;
  for (int code : round.HandOf(4))
    if (SuitOfCode(code) == 2 || RankOfCode(code) == 9)
      fitting.push_back({game.display.Card(SuitOfCode(code), RankOfCode(code)).left, code});
  std::sort(fitting.begin(), fitting.end());
  for (const auto& [left, code] : fitting)
    expected.push_back(code);
  expected.push_back(0);
  EXPECT_EQ(Cards(FocusStops(game)), expected);
  EXPECT_EQ(expected.size(), 5u);
}

TEST_F(KeyPlay, NoStopsWhileTheUserMayNotMove) {
  UserToMove({{{103, 104}, {105, 106}, {107, 109}, {201, 309}}}, 209);
  LockHumanInput(game);
  EXPECT_TRUE(FocusStops(game).empty());
  EXPECT_FALSE(StepFocus({}, std::nullopt, 1));
  EXPECT_FALSE(KeepFocus({}, FocusStop{false, 201}));
}

TEST(FocusSteps, GoRoundBothEndsAndStartAtTheFirstStop) {
  const std::vector<FocusStop> stops = {{false, 201}, {false, 309}, {true, 0}};
  EXPECT_EQ(StepFocus(stops, std::nullopt, 1), stops[0]);
  EXPECT_EQ(StepFocus(stops, stops[0], 1), stops[1]);
  EXPECT_EQ(StepFocus(stops, stops[2], 1), stops[0]);
  EXPECT_EQ(StepFocus(stops, stops[0], -1), stops[2]);
  EXPECT_EQ(StepFocus(stops, FocusStop{false, 413}, -1), stops[0]);
  EXPECT_EQ(KeepFocus(stops, stops[1]), stops[1]);
  // The card in focus was played: back to the first stop.
  EXPECT_EQ(KeepFocus(stops, FocusStop{false, 413}), stops[0]);
}

TEST_F(KeyPlay, WithNothingThatFitsTheOnlyStopIsTheDrawButton) {
  UserToMove({{{103, 104}, {105, 106}, {107, 109}, {101, 303}}}, 209);
  EXPECT_EQ(Cards(FocusStops(game)), std::vector<int>{0});
}

TEST_F(KeyPlay, ItemsNameTheUsersCardsAndThePileButNoHiddenCard) {
  UserToMove({{{103, 104}, {105, 106, 108}, {107, 109}, {201, 309}}}, 209);
  const std::vector<TableItem> items = TableItems(game);
  ASSERT_EQ(items.size(), 6u);
  std::vector<std::string> userCards;
  for (const TableItem& item : items)
    if (item.kind == TableItem::UserCard) {
      userCards.push_back(item.name);
      EXPECT_EQ(item.description, "出せます");
      EXPECT_GT(item.width, 0);
    }
  std::sort(userCards.begin(), userCards.end());
  EXPECT_EQ(userCards, (std::vector<std::string>{"クローバーの9", "ハートのA"}));
  EXPECT_EQ(items[2].name, "場札 ハートの9");
  EXPECT_EQ(items[3].name, "ｱｶﾞﾘｰﾀの手札 2枚");
  EXPECT_EQ(items[4].name, "ｳｯｶﾘﾊﾁﾍﾞｴの手札 3枚");
  for (std::size_t k = 3; k < items.size(); ++k)
    EXPECT_EQ(items[k].description, "") << items[k].name;
}

TEST_F(KeyPlay, ARevealedHandIsNamedAndADeclaredSuitIsTold) {
  UserToMove({{{103, 104}, {105, 106, 108}, {107, 109}, {201, 309}}}, 208);
  RevealHand(game, 2);
  round.SuitDeclared = true;
  round.PilePrintedSuit = 2;
  round.PileSuit = kSpade;
  const std::vector<TableItem> items = TableItems(game);
  const auto pile =
      std::find_if(items.begin(), items.end(), [](const TableItem& i) { return i.kind == TableItem::Pile; });
  ASSERT_NE(pile, items.end());
  EXPECT_EQ(pile->name, "場札 ハートの8");
  EXPECT_EQ(pile->description, "指定 スペード");
  for (const TableItem& item : items)
    if (item.kind == TableItem::OtherHand && item.seat == 2) {
      EXPECT_EQ(item.description, "スペードの5、スペードの6、スペードの8");
    } else if (item.kind == TableItem::OtherHand) {
      EXPECT_EQ(item.description, "");
    }
}

}  // namespace
}  // namespace zunpa::ui
