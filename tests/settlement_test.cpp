#include "flow/settlement.h"

#include <algorithm>

#include "rules/random_source.h"
#include "scoring/points.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

class SettlementTest : public TableTest {
 protected:
  // The state CheckZunpa leaves after `loser` played `code` and `callers`
  // called on it.
  void CalledOn(int loser, int code, std::vector<int> callers, bool countered = false) {
    round.CurrentSeat = loser;
    round.PileSuit = SuitOfCode(code);
    round.PileRank = RankOfCode(code);
    callers.resize(3);
    round.ZunpaSeat1 = callers[0];
    round.ZunpaSeat2 = callers[1];
    round.ZunpaSeat3 = callers[2];
    round.ZunpaKind = static_cast<int>(std::count_if(callers.begin(), callers.end(), [](int s) { return s != 0; }));
    round.Countered = countered;
  }
  std::array<int, 4> Points() const { return game.scores.RoundPoints; }
};

TEST_F(SettlementTest, WorkedExampleOfASingleCall) {
  SetTable(game, {{{401, 413}, {309, 307, 111}, {103}, {}}}, 206);
  CalledOn(2, 206, {4});
  const auto hands = ScoreRound(game);
  EXPECT_EQ(Points(), (std::array<int, 4>{25, 252, 3, -252}));
  EXPECT_EQ(hands[1].sum, 42);
  EXPECT_EQ(hands[1].multiplier, 6);
  const RoundResult result = RoundResultOf(game, hands);
  EXPECT_EQ(result.rows[1].cardPoints, "42");
  EXPECT_EQ(result.rows[1].multiplier, "6");
  EXPECT_EQ(result.rows[1].suitChanges, "1");
  EXPECT_EQ(result.rows[3].cardPoints, "-");
  EXPECT_EQ(result.rows[3].multiplier, "-");
  EXPECT_EQ(result.rows[3].points, "-252");
  EXPECT_EQ(result.rows[0].cardPoints, "25");
}

TEST_F(SettlementTest, GoingOutScoresEveryHandAndDashesTheWinner) {
  SetTable(game, {{{}, {102, 111, 201}, {313, 305}, {104}}}, 206);
  round.OutSeat = 1;
  const auto hands = ScoreRound(game);
  EXPECT_EQ(Points(), (std::array<int, 4>{0, (2 + 20 + 15) * 2, 15, 4}));
  const RoundResult result = RoundResultOf(game, hands);
  EXPECT_EQ(result.rows[0].twos, "-");
  EXPECT_EQ(result.rows[0].points, "0");
  EXPECT_EQ(result.rows[1].twos, "1");
  EXPECT_EQ(result.rows[1].multiplier, "2");
}

TEST_F(SettlementTest, SeveralCallersShareTheLoss) {
  // A hand worth 45 with the called-on card, no suit-change card anywhere.
  SetTable(game, {{{105}, {113, 112, 109, 108, 103}, {305}, {405}}}, 205);
  CalledOn(2, 205, {1, 3});
  ScoreRound(game);
  EXPECT_EQ(Points(), (std::array<int, 4>{-135, 270, -135, 5}));

  SetTable(game, {{{105}, {113, 112, 109, 108, 103}, {305}, {405}}}, 205);
  CalledOn(2, 205, {1, 3, 4});
  const auto hands = ScoreRound(game);
  EXPECT_EQ(Points(), (std::array<int, 4>{-135, 405, -135, -135}));
  const RoundResult result = RoundResultOf(game, hands);
  for (int i : {0, 2, 3}) {
    EXPECT_EQ(result.rows[i].cardPoints, "-");
    EXPECT_EQ(result.rows[i].points, "-135");
  }
}

TEST_F(SettlementTest, CallersSuitChangeCardsRaiseTheLoss) {
  SetTable(game, {{{111}, {109}, {305}, {405}}}, 209);
  CalledOn(2, 209, {1});
  ScoreRound(game);
  EXPECT_EQ(Points()[1], 18 * 6);
  EXPECT_EQ(Points()[0], -18 * 6);
}

TEST_F(SettlementTest, CounteredCallTriplesAgain) {
  SetTable(game, {{{103, 105}, {306}, {305}, {405}}}, 208);
  // Seat 2 called on seat 1's 8; seat 1 countered.
  CalledOn(2, 208, {1}, true);
  ScoreRound(game);
  EXPECT_EQ(Points()[1], (6 + 8) * 9);
  EXPECT_EQ(Points()[0], -(6 + 8) * 9);

  SetTable(game, {{{103, 105}, {304, 404}, {305}, {406}}}, 202);
  round.CounteredSeat1 = 3;
  CalledOn(2, 202, {1, 0}, true);
  round.ZunpaKind = 2;
  ScoreRound(game);
  EXPECT_EQ(Points()[1], (4 + 4 + 2) * 18);
  EXPECT_EQ(Points()[2], 5 * 18);
  EXPECT_EQ(Points()[0], -(10 + 5) * 18);
  EXPECT_EQ(Points()[3], 6);
}

TEST_F(SettlementTest, PointsAreHeldAtTheBoundsInsteadOfWrapping) {
  // A countered triple call on a hand full of suit-change cards and high
  // cards, the countering seat holding the fourth suit-change card.
  std::vector<int> big = {111, 211, 311, 101, 201, 301, 401, 112, 212, 312, 412, 113, 213, 313, 413};
  SetTable(game, {{{411}, big, {305}, {405}}}, 205);
  CalledOn(2, 205, {1}, true);
  round.CounteredSeat1 = 3;
  round.CounteredSeat2 = 4;
  round.ZunpaKind = 3;
  const auto hands = ScoreRound(game);
  EXPECT_EQ(hands[1].multiplier, 8 * 27 * 2);
  EXPECT_EQ(hands[1].sum, 3 * 20 + 4 * 15 + 8 * 10 + 5);
  EXPECT_EQ(Points()[1], 32767);
  EXPECT_EQ(Points()[0], -32768);

  game.scores.TotalPoints = {32700, -32700, 20001, 0};
  game.scores.RoundPoints = {32767, -32768, 0, 0};
  UpdateTotals(game);
  EXPECT_EQ(game.scores.TotalPoints[0], 32767);
  EXPECT_EQ(game.scores.TotalPoints[1], -32768);
  EXPECT_EQ(game.scores.TotalPoints[2], 32767);  // 20001 doubles past the bound
}

TEST_F(SettlementTest, TotalsHalveOnMultiplesOfFiftyAndDoubleNextToThem) {
  const std::vector<std::pair<int, int>> cases = {{50, 25},  {-50, -25}, {100, 50},   {0, 0},   {1, 2},   {49, 98},
                                                  {51, 102}, {-1, -2},   {-51, -102}, {25, 25}, {75, 75}, {150, 75}};
  for (const auto& [landing, after] : cases) {
    game.scores.TotalPoints = {0, 0, 0, 0};
    game.scores.RoundPoints = {landing, 0, 0, 0};
    UpdateTotals(game);
    EXPECT_EQ(game.scores.TotalPoints[0], after) << landing;
  }
}

TEST_F(SettlementTest, HalvingAndDoublingAreAnnouncedAndMarkedOnTheSheet) {
  round.RoundNo = 3;
  game.scores.TotalPoints = {40, 0, 0, 0};
  game.scores.RoundPoints = {10, 0, 1, 0};
  UpdateTotals(game);
  const auto messages = host.OfKind(Event::Message);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].title, "得点半減（50の倍数）");
  EXPECT_EQ(messages[0].text, "ｱｶﾞﾘｰﾀの通算得点50が半分になります。");
  EXPECT_EQ(messages[1].title, "得点倍増（50の倍数±1）");
  EXPECT_EQ(messages[1].text, "ﾙ･ﾆｭｰﾄﾗの通算得点1が倍になります。");
  const ScoreSheet& sheet = game.display.sheet;
  EXPECT_EQ(sheet.Cell(1, 3).size, 8);
  EXPECT_TRUE(sheet.Cell(1, 3).underline);
  EXPECT_EQ(sheet.Cell(1, 3).caption, "25");
  EXPECT_EQ(sheet.Cell(3, 3).size, 10);
  EXPECT_EQ(sheet.Cell(3, 3).caption, "2");
  EXPECT_EQ(sheet.Cell(2, 3).size, 9);
}

TEST_F(SettlementTest, EqualTotalsShareTheBetterStanding) {
  game.scores.TotalPoints = {10, 10, 40, 60};
  UpdateTotals(game);
  EXPECT_EQ(game.scores.standing, (std::array<int, 4>{1, 1, 3, 4}));
  EXPECT_EQ(game.display.seats[1].standing, "1位");
}

TEST_F(SettlementTest, CountersAndCaptionsAfterACounterCall) {
  round.RoundNo = 2;
  CalledOn(2, 208, {1}, true);
  round.CounteredSeat1 = 3;
  round.ZunpaKind = 2;
  game.scores.RoundPoints = {-90, 60, 30, 0};
  UpdateTotals(game);
  EXPECT_EQ(game.scores.ZunpaWinCount, (std::array<int, 4>{1, 0, 0, 0}));
  EXPECT_EQ(game.scores.ZunpaLossCount, (std::array<int, 4>{0, 1, 1, 0}));
  EXPECT_EQ(game.scores.WinCount, (std::array<int, 4>{1, 0, 0, 0}));
  EXPECT_EQ(game.display.seats[1].zunpaRecord, "0ズンパ1");
  EXPECT_EQ(game.display.seats[0].wins, "1勝");
  const ScoreSheet& sheet = game.display.sheet;
  EXPECT_EQ(sheet.Cell(1, 2).colour, kBlue);
  EXPECT_TRUE(sheet.Cell(1, 2).italic);
  EXPECT_EQ(sheet.Cell(2, 2).colour, kRed);
  EXPECT_EQ(sheet.Cell(3, 2).colour, kRed);
  EXPECT_EQ(sheet.Cell(4, 2).colour, kBlack);
  EXPECT_FALSE(round.Countered);
}

TEST_F(SettlementTest, GoingOutWithATwoPassesTheDoubledPenalty) {
  SetTable(game, {{{}, {105}, {106}, {107}}}, 302);
  round.CurrentSeat = 1;
  round.OutSeat = 1;
  round.DrawPenalty = 8;
  PassPendingPenalty(game);
  EXPECT_EQ(round.HandOf(2).size(), 17);
  EXPECT_EQ(round.DrawPenalty, 0);
  SetTable(game, {{{}, {105}, {106}, {107}}}, 302);
  round.CurrentSeat = 1;
  round.OutSeat = 1;
  round.Reversed = true;
  PassPendingPenalty(game);
  EXPECT_EQ(round.HandOf(4).size(), 3);
}

TEST_F(SettlementTest, HeldTwosDrawOncePerSuit) {
  // Seat 3 holds the 2 of spades and draws the 2 of hearts with it.
  SetTable(game, {{{}, {105}, {102, 106}, {107}}}, 303, {404, 405, 202, 403});
  round.OutSeat = 1;
  EndOfRoundDraws(game);
  EXPECT_EQ(round.HandOf(3).size(), 6);
  EXPECT_TRUE(round.HandOf(3).Contains(404));
  EXPECT_EQ(round.HandOf(2).size(), 1);
}

TEST_F(SettlementTest, ZunpaOnATwoMakesTheCalledOnSeatDraw) {
  SetTable(game, {{{302}, {105, 106}, {108}, {407}}}, 202);
  CalledOn(2, 202, {1});
  EndOfRoundDraws(game);
  EXPECT_EQ(round.HandOf(2).size(), 2 + 2 + 2);
  ScoreRound(game);
  EXPECT_TRUE(round.HandOf(2).Contains(202));
}

TEST_F(SettlementTest, NextStarterFollowsTheCallersInTheDirectionOfPlay) {
  struct Case {
    int mover, first, second;
    bool reversed;
    int expected;
  };
  const std::vector<Case> doubles = {{2, 1, 3, false, 3}, {2, 1, 4, false, 4}, {2, 3, 4, false, 3}, {3, 1, 4, false, 4},
                                     {3, 1, 2, false, 1}, {4, 1, 2, false, 1}, {2, 1, 3, true, 1},  {2, 3, 4, true, 4},
                                     {3, 1, 4, true, 1},  {1, 2, 3, true, 3},  {4, 1, 3, true, 3},  {3, 2, 4, true, 2}};
  for (const Case& c : doubles) {
    RoundState r;
    r.ZunpaKind = 2;
    r.CurrentSeat = c.mover;
    r.ZunpaSeat1 = c.first;
    r.ZunpaSeat2 = c.second;
    r.Reversed = c.reversed;
    EXPECT_EQ(NextStarterAfterRound(r), c.expected) << c.mover << c.first << c.second << c.reversed;
  }
  RoundState r;
  r.ZunpaKind = 2;
  r.ZunpaSeat1 = 3;  // a countered double: the countering seat begins
  r.CurrentSeat = 1;
  EXPECT_EQ(NextStarterAfterRound(r), 3);
  r.ZunpaKind = 3;
  r.CurrentSeat = 4;
  EXPECT_EQ(NextStarterAfterRound(r), 1);
  r.Reversed = true;
  r.CurrentSeat = 1;
  EXPECT_EQ(NextStarterAfterRound(r), 4);
  r = RoundState{};
  r.OutSeat = 2;
  EXPECT_EQ(NextStarterAfterRound(r), 2);
}

// Hands of every size under every suit-change rank: the sum and the
// multiplier agree with valuing the cards one by one.
TEST(ScoreHand, AgreesWithValuingEachCard) {
  RandomSource random(77);
  for (int suitChangeRank = 0; suitChangeRank <= 13; ++suitChangeRank) {
    for (int trial = 0; trial < 400; ++trial) {
      Hand hand;
      const int size = random.Below(kCardsInPack + 1);
      for (int k = 0; k < size; ++k)
        hand.Insert(CodeOf(random.Below(4) + 1, random.Below(13) + 1));
      std::int64_t sum = 0;
      int suitChanges = 0;
      for (int code : hand) {
        sum += CardValue(RankOfCode(code), suitChangeRank);
        suitChanges += RankOfCode(code) == suitChangeRank && RankOfCode(code) != kDrawTwoRank;
      }
      const HandScore score = ScoreHand(hand, suitChangeRank);
      ASSERT_EQ(score.sum, sum) << "suit change " << suitChangeRank << ", trial " << trial;
      ASSERT_EQ(score.suitChanges, suitChanges);
      ASSERT_EQ(score.multiplier, std::int64_t{1} << suitChanges);
    }
  }
}

}  // namespace
}  // namespace zunpa::testing
