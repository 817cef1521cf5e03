#include "rules/draw.h"

#include <algorithm>
#include <set>

#include "flow/draw_two.h"
#include "flow/turn_cycle.h"
#include "rules/table_display.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

using DrawTest = TableTest;

TEST_F(DrawTest, UserWithoutATwoDrawsThePenaltyAndThePlayMovesOn) {
  game.options.MsgNi = false;
  SetTable(game, {{{103, 104}, {105, 106}, {107, 109}, {301, 303, 304}}}, 302);
  round.DrawPenalty = 4;
  round.CurrentSeat = 3;
  PassTurn(game);
  RunStep(game);  // the user's answer, and no further

  EXPECT_EQ(round.HandOf(4).size(), 7);
  EXPECT_EQ(round.DrawPenalty, 0);
  EXPECT_TRUE(host.MessageTexts().empty());
  EXPECT_EQ(game.flow.pendingSeat, 1);
  EXPECT_EQ(round.SelRank, 0);
}

TEST_F(DrawTest, UserWithoutATwoIsToldWhenTheMessageIsOn) {
  SetTable(game, {{{103, 104}, {105, 106}, {107, 109}, {301, 303, 304}}}, 302);
  round.DrawPenalty = 2;
  AnswerDrawTwo(game, 3);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"２が手持ちの札にありません！ 2枚めくります。"});
  EXPECT_EQ(round.HandOf(4).size(), 5);
}

TEST_F(DrawTest, UserOfferedSeveralTwosMustChooseOne) {
  SetTable(game, {{{103, 104}, {105, 106}, {107, 109}, {102, 302, 413}}}, 202);
  round.DrawPenalty = 2;
  host.answers = {Answer::Yes, Answer::No, Answer::No, Answer::Yes};
  AnswerDrawTwo(game, 3);
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"２が2枚あります。出しますか？",
                                                           "スペードの２を出しますか？", "クローバーの２を出しますか？",
                                                           "どれか選んでください", "スペードの２を出しますか？"}));
  EXPECT_EQ(host.OfKind(Event::Message)[3].icon, Icon::Exclamation);
  EXPECT_EQ(round.PileSuit, kSpade);
  EXPECT_EQ(round.PileRank, 2);
  EXPECT_EQ(round.DrawPenalty, 4);
  EXPECT_FALSE(round.HandOf(4).Contains(102));
}

TEST_F(DrawTest, UserDecliningATwoDrawsThePenaltyWhateverTheMessages) {
  game.options.MsgNi = false;
  SetTable(game, {{{103, 104}, {105, 106}, {107, 109}, {302, 413}}}, 202);
  round.DrawPenalty = 8;
  host.answers = {Answer::No};
  AnswerDrawTwo(game, 3);
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"２が１枚あります。出しますか？", "8枚めくります。"}));
  EXPECT_EQ(round.HandOf(4).size(), 10);
  EXPECT_EQ(round.DrawPenalty, 0);
  EXPECT_EQ(game.flow.pendingSeat, 1);
}

TEST_F(DrawTest, ComputerAnswersWithItsLastTwoOrSaysItHasNone) {
  SetTable(game, {{{202, 402, 105}, {106, 107}, {108, 109}, {301, 303}}}, 302);
  round.DrawPenalty = 2;
  round.SelRank = 2;
  AnswerDrawTwo(game, 0);
  EXPECT_EQ(round.PileSuit, kDiamond);
  EXPECT_EQ(round.DrawPenalty, 4);
  EXPECT_TRUE(round.HandOf(1).Contains(202));

  AnswerDrawTwo(game, 1);
  EXPECT_EQ(round.HandOf(2).size(), 6);
  EXPECT_EQ(round.DrawPenalty, 0);
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"500@1", "501@2"}));
  EXPECT_EQ(game.flow.pendingSeat, 3);
}

TEST_F(DrawTest, EmptyStockIsRebuiltFromTheFreeCards) {
  SetTable(game,
           {{{101, 102, 103, 104, 105},
             {201, 202, 203, 204, 205},
             {301, 302, 303, 304, 305},
             {401, 402, 403, 404, 405, 406}}},
           113);
  round.stock.StockCount = 0;
  round.pileLog.Add(112);
  round.pileLog.Add(113);
  round.CurrentSeat = 1;
  ASSERT_TRUE(DrawCard(game, 0));
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"山札がなくなったのでシャッフルします"});
  EXPECT_EQ(round.HandOf(1).size(), 6);
  EXPECT_EQ(round.stock.StockCount, 29);
  ASSERT_EQ(round.pileLog.size(), 1);
  EXPECT_EQ(round.pileLog[0], 113);
  std::set<int> stock;
  for (int p = 0; p < 29; ++p)
    stock.insert(CodeOf(round.stock.Deck[p]));
  EXPECT_EQ(stock.size(), 29u);
  EXPECT_EQ(stock.count(113), 0u);
  for (int p = 0; p < 29; ++p)
    EXPECT_EQ(game.display.Card(round.stock.Deck[p].suit, round.stock.Deck[p].rank).left, 4680);
}

TEST_F(DrawTest, RebuiltStockKeepsTheRealTopCardUnderADeclaredSuit) {
  SetTable(game, {{{101}, {201}, {301}, {401}}}, 211);
  round.stock.StockCount = 0;
  round.PilePrintedSuit = kHeart;
  round.PileSuit = kClub;
  round.SuitDeclared = true;
  round.CurrentSeat = 2;
  ASSERT_TRUE(DrawCard(game, 1));
  EXPECT_EQ(round.stock.StockCount, 52 - 5 - 1);
  for (int p = 0; p < round.stock.StockCount; ++p)
    EXPECT_NE(CodeOf(round.stock.Deck[p]), 211);
  EXPECT_EQ(round.PileSuit, kClub);  // the declared suit stays in force
  EXPECT_EQ(round.pileLog[0], 211);
}

// Every card but `top` in a hand, the 2s other than `top` with the user.
std::array<std::vector<int>, 4> AllCardsInHands(int top) {
  std::array<std::vector<int>, 4> hands;
  int n = 0;
  for (int number = 0; number < 52; ++number) {
    const int code = CodeOf(CardOfNumber(number));
    if (code == top) continue;
    hands[RankOfCode(code) == 2 ? 3 : n++ % 4].push_back(code);
  }
  return hands;
}

TEST_F(DrawTest, WithNoFreeCardTheDrawTakesNothingAndTheMoveGoesOn) {
  SetTable(game, AllCardsInHands(413), 413);
  round.stock.StockCount = 0;
  const int before = round.HandOf(4).size();
  round.CurrentSeat = 4;
  UnlockHumanInput(game);
  PressDraw(game);
  EXPECT_EQ(round.HandOf(4).size(), before);
  EXPECT_EQ(round.stock.StockCount, 0);
  EXPECT_EQ(round.SelRank, 0);
  EXPECT_EQ(game.flow.pendingSeat, 1);
  EXPECT_TRUE(host.MessageTexts().empty());
}

TEST_F(DrawTest, WithNoFreeCardAPenaltyStopsEarly) {
  SetTable(game, AllCardsInHands(402), 402);
  round.stock.StockCount = 0;
  round.DrawPenalty = 4;
  round.SelRank = 2;
  const int before = round.HandOf(1).size();
  AnswerDrawTwo(game, 0);
  EXPECT_EQ(round.HandOf(1).size(), before);
  EXPECT_EQ(round.DrawPenalty, 0);
  EXPECT_EQ(host.Callouts(), std::vector<std::string>{"501@1"});
  EXPECT_EQ(game.flow.pendingSeat, 2);
}

TEST_F(DrawTest, StockRebuiltAfterAZunpaKeepsTheCalledOnCardOut) {
  SetTable(game, {{{104, 105}, {102, 202}, {301, 313}, {401, 413}}}, 109);
  round.stock.StockCount = 0;
  round.CurrentSeat = 2;
  round.ZunpaSeat1 = 1;
  round.ZunpaKind = 1;
  DrawPenaltyCards(game, 1, 4);
  EXPECT_EQ(round.HandOf(2).size(), 6);
  EXPECT_TRUE(host.MessageTexts().empty());  // no notice once the round is over
  for (int p = 0; p < round.stock.StockCount; ++p)
    EXPECT_NE(CodeOf(round.stock.Deck[p]), 109);
  EXPECT_FALSE(round.HandOf(2).Contains(109));
}

TEST_F(DrawTest, PenaltyDrawnAfterTheRoundLiesFaceUpBesideTheHand) {
  SetTable(game, {{{}, {105, 106}, {107, 109}, {301, 303}}}, 302);
  round.OutSeat = 1;
  const Card top = round.stock.Deck[round.stock.StockCount - 1];
  DrawCard(game, 2);
  const CardPicture& p = game.display.Card(top.suit, top.rank);
  EXPECT_TRUE(p.faceUp);
  EXPECT_EQ(p.left, 3500 + 250 * 2);
  EXPECT_EQ(p.top, 1980);
  EXPECT_EQ(game.flow.pendingSeat, 0);
  EXPECT_EQ(round.HandOf(3).size(), 3);
}

// A row that would pass the table's right edge closes up; up to 13 cards
// keep the 250-twip step.
TEST_F(DrawTest, BigHandsCloseUpWithinTheTable) {
  for (const int cards : {5, 13, 14, 20, 40}) {
    std::vector<int> hand;
    for (int n = 0; n < cards; ++n)
      hand.push_back(CodeOf(n / 13 + 1, n % 13 + 1));
    SetTable(game, {{{}, {}, {}, hand}}, 405);
    LayOutRow(game, 4, true);
    UnlockHumanInput(game);
    std::vector<int> lefts;
    for (int code : round.HandOf(4))
      lefts.push_back(game.display.CardOfCode(code).left);
    EXPECT_EQ(lefts.front(), 3000) << cards;
    EXPECT_LE(lefts.back() + 690, 6840) << cards;
    for (std::size_t k = 1; k < lefts.size(); ++k) {
      if (cards <= 13) {
        EXPECT_EQ(lefts[k] - lefts[k - 1], 250) << cards;
      }
      EXPECT_GT(lefts[k], lefts[k - 1]) << cards;
    }
    // The playable marks (the fives) stand under their cards.
    ASSERT_GT(game.display.playableMarks, 0) << cards;
    for (int m = 0; m < game.display.playableMarks; ++m)
      EXPECT_NE(std::find(lefts.begin(), lefts.end(), game.display.playableMarkLefts[m] - 20), lefts.end()) << cards;
  }
  // A card drawn in the settlement beside a long row stays on the table.
  EXPECT_EQ(SettlementDrawLeft(3), 3500 + 250 * 2);
  EXPECT_EQ(SettlementDrawLeft(14), 6840 - 690);
}

TEST_F(DrawTest, UsersDrawIsShownFaceUpAndEndsTheMove) {
  SetTable(game, {{{103, 104}, {105, 106}, {107, 109}, {301, 303}}}, 302);
  const Card top = round.stock.Deck[round.stock.StockCount - 1];
  round.CurrentSeat = 0;
  UnlockHumanInput(game);
  PressDraw(game);
  EXPECT_TRUE(game.display.Card(top.suit, top.rank).faceUp);
  EXPECT_EQ(game.display.Card(top.suit, top.rank).top, 4860);
  EXPECT_EQ(round.CurrentSeat, 4);
  EXPECT_EQ(game.flow.pendingSeat, 1);
  EXPECT_EQ(game.display.handTotal, std::to_string(round.HandTotal(4)));
}

}  // namespace
}  // namespace zunpa::testing
