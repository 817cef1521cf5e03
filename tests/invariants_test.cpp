// The table's invariants, as the engine checks them after every step.

#include "rules/invariants.h"

#include <algorithm>

#include "flow/turn_cycle.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

class InvariantsTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    SetTable(game, {{{101, 113}, {201, 213}, {302, 313}, {305, 403}}}, 303);
    round.RoundNo = 4;
  }
  std::string Broken() const { return BrokenInvariant(game).value_or("nothing"); }
};

TEST_F(InvariantsTest, ADealtTableInPlayHoldsThemAll) {
  EXPECT_EQ(Broken(), "nothing");
}

TEST_F(InvariantsTest, ACardTwiceOrNotAtAllIsNamed) {
  round.stock.Deck[0] = CardOfCode(101);
  EXPECT_EQ(Broken(), "card 101 is on the table 2 times");
  SetUp();
  round.HandOf(2).Remove(213);
  EXPECT_EQ(Broken(), "card 213 is on the table 0 times");
}

TEST_F(InvariantsTest, AStockBeyondThePackOrAStrangeCardIsNamed) {
  round.stock.StockCount = 53;
  EXPECT_EQ(Broken(), "the stock counts 53 cards");
  round.stock.StockCount = -1;
  EXPECT_EQ(Broken(), "the stock counts -1 cards");
  SetUp();
  round.stock.Deck[3] = Card{5, 1};
  EXPECT_EQ(Broken(), "a place holds no card of the pack");
}

TEST_F(InvariantsTest, ThePileLogMustEndWithTheCardOnTop) {
  round.PileRank = 4;
  EXPECT_EQ(Broken(), "the pile log ends with 303 under 304");
  // A declared suit lies on the card; the log keeps the card as printed.
  round.PileRank = 3;
  round.PilePrintedSuit = kClub;
  round.PileSuit = kSpade;
  round.SuitDeclared = true;
  EXPECT_EQ(Broken(), "nothing");
}

TEST_F(InvariantsTest, OnlyARoundInPlayIsChecked) {
  round.stock.StockCount = 60;
  round.RoundNo = 0;
  EXPECT_EQ(Broken(), "nothing");
  round.RoundNo = 4;
  round.OutSeat = 2;  // settled: a Zunpa's card may count in a hand and on the pile
  EXPECT_EQ(Broken(), "nothing");
  EXPECT_TRUE(BrokenTableInvariant(round));
}

TEST_F(InvariantsTest, AStepThatBreaksOneStopsTheGameNamingRoundAndMove) {
  game.flow.checkInvariants = true;
  round.CurrentSeat = 4;
  PassTurn(game);
  game.flow.movesThisRound = 17;
  const int lost = CodeOf(round.stock.Deck[0]);
  round.stock.Deck[0] = CardOfCode(101);  // a second ace of spades in place of it
  try {
    RunStep(game);
    ADD_FAILURE() << "the broken table went unnoticed";
  } catch (const InvariantBroken& broken) {
    EXPECT_EQ(std::string(broken.what()), "round 4, move 18: card " + std::to_string(std::min(lost, 101)) +
                                              " is on the table " + (lost < 101 ? "0" : "2") + " times");
  }
}

}  // namespace
}  // namespace zunpa::testing
