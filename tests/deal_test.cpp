#include "rules/deal.h"

#include <set>

#include "flow/new_game.h"
#include "flow/turn_cycle.h"
#include "rules/rejection_shuffle.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

class DealTest : public TableTest {
 protected:
  // Puts `code` on top of an otherwise dealt stock and turns it up.
  void OpenWith(int code) {
    ShuffleAndDeal(game);
    Stock& s = round.stock;
    Card& top = s.Deck[s.StockCount - 1];
    for (int p = 0; p < s.StockCount; ++p)
      if (CodeOf(s.Deck[p]) == code) std::swap(s.Deck[p], top);
    for (Hand& h : round.hands) {
      if (!h.Remove(code)) continue;
      h.Insert(CodeOf(top));
      top = CardOfCode(code);
    }
    host.Forget();
    TurnUpOpeningCard(game);
  }
  // The seat that moves first when `starter` begins.
  int FirstMover(int starter) {
    round.CurrentSeat = SeatBeforeFirstMover(game, starter);
    PassTurn(game);
    return game.flow.pendingSeat;
  }
};

TEST_F(DealTest, DealsFiveCardsEachAndThirtyTwoToTheStock) {
  ShuffleAndDeal(game);
  std::set<int> cards;
  for (const Hand& h : round.hands) {
    EXPECT_EQ(h.size(), 5);
    cards.insert(h.begin(), h.end());
  }
  EXPECT_EQ(round.stock.StockCount, 32);
  for (int p = 0; p < 32; ++p)
    cards.insert(CodeOf(round.stock.Deck[p]));
  EXPECT_EQ(cards.size(), 52u);

  const Card top = round.stock.Deck[31];
  TurnUpOpeningCard(game);
  EXPECT_EQ(round.stock.StockCount, 31);
  ASSERT_EQ(round.pileLog.size(), 1);
  EXPECT_EQ(round.pileLog[0], CodeOf(top));
  EXPECT_EQ(round.PileSuit, top.suit);
  EXPECT_EQ(round.PileRank, top.rank);
  EXPECT_TRUE(EveryCardOnce(game));
}

TEST_F(DealTest, UserSeesOwnHandFaceUpInCodeOrder) {
  ShuffleAndDeal(game);
  const Hand& mine = round.HandOf(4);
  for (int k = 0; k < 5; ++k) {
    const CardPicture& p = game.display.CardOfCode(mine[k]);
    EXPECT_EQ(p.left, 3000 + 250 * k);
    EXPECT_EQ(p.top, 4860);
    EXPECT_TRUE(p.faceUp && p.visible);
    EXPECT_FALSE(p.enabled);
  }
  for (int code : round.HandOf(2)) {
    EXPECT_FALSE(game.display.CardOfCode(code).faceUp);
    EXPECT_EQ(game.display.CardOfCode(code).top, 1020);
  }
  EXPECT_EQ(game.display.CardOfCode(CodeOf(round.stock.Deck[0])).left, 4680);
}

TEST_F(DealTest, SeededDealsRepeatAndClockDrivenDealsDiffer) {
  auto dealWith = [](RandomSource source) {
    ScriptedHost h;
    Game g(h);
    g.random = source;
    ShuffleAndDeal(g);
    std::vector<int> all;
    for (const Hand& hand : g.round.hands)
      all.insert(all.end(), hand.begin(), hand.end());
    return all;
  };
  EXPECT_EQ(dealWith(RandomSource(7)), dealWith(RandomSource(7)));
  RandomSource clock(7);
  clock.SetClockDriven(true);
  EXPECT_NE(dealWith(clock), dealWith(clock));
}

TEST_F(DealTest, OpeningTwoIsAPendingDrawTwoEvenWithoutTheMessage) {
  game.options.MsgNi = false;
  OpenWith(CodeOf(kHeart, 2));
  EXPECT_EQ(round.DrawPenalty, 2);
  EXPECT_EQ(round.SelRank, 2);
  EXPECT_TRUE(host.MessageTexts().empty());

  game.options.MsgNi = true;
  round.DrawPenalty = 0;
  OpenWith(CodeOf(kClub, 2));
  ASSERT_EQ(host.MessageTexts(), std::vector<std::string>{"最初のプレーヤーはドロー・ツーです"});
  EXPECT_EQ(host.events[0].title, "場札が2です");
}

TEST_F(DealTest, OpeningSkipPassesOverTheStarter) {
  OpenWith(CodeOf(kSpade, 10));
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"次のプレーヤーから始めます"});
  EXPECT_EQ(host.events[0].title, "場札が10です");
  EXPECT_EQ(FirstMover(4), 1);
  EXPECT_EQ(FirstMover(3), 4);
  EXPECT_FALSE(round.SkipPending);
}

TEST_F(DealTest, OpeningReverseStartsWithTheStarterGoingBackwards) {
  OpenWith(CodeOf(kDiamond, 8));
  EXPECT_TRUE(round.Reversed);
  EXPECT_TRUE(game.display.arrowUp);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"逆順で始めます"});
  EXPECT_EQ(FirstMover(1), 1);
  round.CurrentSeat = 1;
  PassTurn(game);
  EXPECT_EQ(game.flow.pendingSeat, 4);
}

TEST_F(DealTest, PlainOpeningCardLetsTheStarterBegin) {
  OpenWith(CodeOf(kClub, 11));  // a suit-change card asks for nothing
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(round.PileSuit, kClub);
  EXPECT_FALSE(round.SuitDeclared);
  for (int s = 1; s <= 4; ++s)
    EXPECT_EQ(FirstMover(s), s);
}

TEST_F(DealTest, CancelledPlayerSelectionLeavesTheGameAsItWas) {
  round.RoundNo = 7;
  round.NextStarter = 0;
  game.scores.TotalPoints = {10, 20, 30, 40};
  StartNewGame(game);  // nothing scripted: Cancel
  EXPECT_EQ(round.RoundNo, 7);
  EXPECT_EQ(game.scores.TotalPoints, (std::array<int, 4>{10, 20, 30, 40}));
  EXPECT_EQ(host.OfKind(Event::SelectPlayers).size(), 1u);
}

TEST_F(DealTest, NewGameAnnouncesTheRandomStarterAndDealsRoundOne) {
  SeatSetup setup{{"ﾄﾘｯｸ･ｳﾒ", "ｽﾞﾝﾊﾟｽｷｲ", "ｷ･ｵｰｸﾏﾝ", "つばめ"}, 2};
  host.playerSelections.push_back(setup);
  host.strict = false;
  StartNewGame(game);
  RunSteps(game);
  EXPECT_EQ(game.seats.playing[3], "つばめ");
  EXPECT_EQ(game.seats.HumanSex, 2);
  EXPECT_EQ(game.seats.character[0], Character::TrickUme);
  EXPECT_EQ(round.RoundNo, 1);
  const auto messages = host.OfKind(Event::Message);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].title, "ｽﾀｰﾄﾌﾟﾚｰﾔｰ（ﾗﾝﾀﾞﾑに決定）");
  EXPECT_TRUE(messages[0].text.ends_with("から始めます"));
  EXPECT_EQ(game.display.sheet.Cell(1, 21).caption, "ﾄﾘｯｸ");
  EXPECT_EQ(game.display.sheet.Cell(1, 0).caption, "･ｳﾒ");
  EXPECT_EQ(game.display.sheet.Cell(4, 0).caption, "");
  EXPECT_EQ(game.display.seats[1].nameColour, 0x00FFFFu);
  // Either the user is to move now, or the first round already ended.
  EXPECT_TRUE(game.flow.humanInputOpen || round.RoundNo > 1);
}

}  // namespace
}  // namespace zunpa::testing

namespace zunpa {
namespace {

// The shuffle without branches on the cards takes and refuses exactly the
// draws of a draw-again loop, with or without cards kept out.
TEST(RejectionShuffle, DrawsAsTheDrawAgainLoopDoes) {
  for (std::uint64_t seed = 0; seed < 300; ++seed) {
    const std::uint64_t keptOut = seed % 3 == 0 ? 0 : (seed * 0x9e3779b97f4a7c15ULL) & ((std::uint64_t{1} << 52) - 1);
    int free = 0;
    for (int n = 0; n < kCardsInPack; ++n)
      free += !(keptOut >> n & 1);
    RandomSource a(seed), b(seed);
    // Half a draw may be left over from before.
    if (seed % 2 == 1) {
      EXPECT_EQ(a.Below(7), b.Below(7));
    }
    std::uint64_t placed = keptOut;
    std::array<int, kCardsInPack> order{};
    DrawUnplacedNumbers(a, placed, order, free);
    std::uint64_t expectedPlaced = keptOut;
    for (int i = 0; i < free; ++i) {
      int n;
      do
        n = b.Below(kCardsInPack);
      while (expectedPlaced & (std::uint64_t{1} << n));
      expectedPlaced |= std::uint64_t{1} << n;
      ASSERT_EQ(order[static_cast<std::size_t>(i)], n) << seed << " " << i;
    }
    EXPECT_EQ(placed, expectedPlaced);
    EXPECT_EQ(a.Below(1000), b.Below(1000));  // the same number of draws taken
  }
}

// Where the processor has no bit-test-and-set the plain form is built: both
// mark the same bits and count the same fresh numbers.
TEST(RejectionShuffle, PlainMarkingAgreesWithTheBuiltOne) {
  RandomSource random(11);
  for (int trial = 0; trial < 2000; ++trial) {
    const std::uint64_t seen = random.NextBits() & random.NextBits();
    const int n = random.Below(64);
    const std::int64_t before = random.Below(60);
    std::uint64_t builtSeen = seen, plainSeen = seen;
    std::int64_t builtCount = before, plainCount = before;
    MarkAndCountFresh(builtSeen, builtCount, n);
    MarkAndCountFreshPlain(plainSeen, plainCount, n);
    ASSERT_EQ(builtSeen, plainSeen) << trial;
    ASSERT_EQ(builtCount, plainCount) << trial;
    ASSERT_EQ(plainCount - before, (seen >> n & 1) == 0 ? 1 : 0);
  }
}

}  // namespace
}  // namespace zunpa
