// Whole games played out: the rules' invariants hold move by move.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "random_user_host.h"
#include "rules/deal.h"
#include "rules/play_observer.h"
#include "scoring/points.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

class InvariantChecker : public PlayObserver {
 public:
  void OnOpen(const Game& g, int code) override {
    SetPile(code);
    Check(g, "opening");
  }
  void OnPlay(const Game& g, int seat, int code) override {
    ++plays;
    if (SuitOfCode(code) != pileSuit_ && RankOfCode(code) != pileRank_)
      ADD_FAILURE() << "seat " << seat << " played " << code << " on " << pileSuit_ << "/" << pileRank_;
    SetPile(code);
    Check(g, "play");
    int here = 0;
    const auto address = reinterpret_cast<std::uintptr_t>(&here);
    lowestStack = std::min(lowestStack, address);
    highestStack = std::max(highestStack, address);
  }
  void OnDraw(const Game& g, int, int, bool, bool afterRound) override {
    ++draws;
    if (!afterRound) Check(g, "draw");
  }
  void OnReshuffle(const Game& g) override {
    ++reshuffles;
    if (!g.round.RoundOver()) Check(g, "reshuffle");
  }
  void OnDeclare(const Game&, int, int suit) override { pileSuit_ = suit; }
  void OnRoundEnd(const Game& g) override {
    const RoundState& r = g.round;
    ++rounds;
    zunpaRounds += r.ZunpaSeat1 != 0;
    EXPECT_NE(r.OutSeat != 0, r.ZunpaSeat1 != 0) << "a round ends by going out or by a Zunpa";
    for (int i = 0; i < kSeats; ++i) {
      int total = ClampPoints(std::int64_t{expectedTotals_[i]} + g.scores.lastRoundPoints[i]);
      if (ChangeOfTotal(total) == TotalChange::Halved) total /= 2;
      if (ChangeOfTotal(total) == TotalChange::Doubled) total = ClampPoints(std::int64_t{total} * 2);
      expectedTotals_[i] = total;
    }
    EXPECT_EQ(g.scores.TotalPoints, expectedTotals_);
    EXPECT_GE(r.NextStarter, 1);
    EXPECT_LE(r.NextStarter, 4);
  }
  void OnGameEnd(const Game& g) override {
    ++games;
    EXPECT_EQ(g.round.RoundNo, kGameOverRound);
    expectedTotals_ = {};
  }

  long plays = 0, draws = 0, reshuffles = 0, rounds = 0, zunpaRounds = 0, games = 0;
  std::uintptr_t lowestStack = UINTPTR_MAX, highestStack = 0;

 private:
  void SetPile(int code) {
    pileSuit_ = SuitOfCode(code);
    pileRank_ = RankOfCode(code);
  }
  void Check(const Game& g, const char* when) {
    if (::testing::AssertionResult once = EveryCardOnce(g); !once) ADD_FAILURE() << when << ": " << once.message();
  }
  int pileSuit_ = 0, pileRank_ = 0;
  std::array<int, 4> expectedTotals_{};
};

TEST(UnattendedGames, TwoThousandSeededGamesKeepEveryRule) {
  ScriptedHost host;
  InvariantChecker checker;
  long stalled = 0;
  for (int n = 0; n < 2000; ++n) {
    Game game(host);
    game.observer = &checker;
    game.watching = false;
    game.flow.maxMovesPerRound = 10000;
    game.flow.checkInvariants = true;
    game.random.Seed(DeriveSeed(2024, n));
    std::array<Character, 4> cast;
    for (int i = 0; i < 4; ++i)
      cast[i] = static_cast<Character>((n + i * (1 + n % 5)) % kCharacterCount);
    SeatComputers(game, cast);
    BeginNewGame(game);
    RunSteps(game);
    stalled += game.flow.stalledRounds;
    ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << n;
  }
  EXPECT_EQ(checker.games, 2000);
  EXPECT_EQ(checker.rounds, 2000 * 20);
  EXPECT_EQ(stalled, 0);
  EXPECT_GT(checker.zunpaRounds, 0);
  EXPECT_GT(checker.reshuffles, 0);
  EXPECT_TRUE(host.events.empty());  // nobody watching: no notices
  // A run of moves is a loop: the stack stays shallow however long a round.
  EXPECT_LT(checker.highestStack - checker.lowestStack, 16u * 1024);
}

using zunpa::testing::RandomUser;

TEST(UnattendedGames, GamesWithARandomUserKeepEveryRule) {
  for (unsigned n = 0; n < 100; ++n) {
    RandomUser user(n);
    InvariantChecker checker;
    Game game(user);
    game.observer = &checker;
    game.options.Sound = false;
    game.random.Seed(DeriveSeed(77, n));
    game.seats.SeatName = {"ﾄﾘｯｸ･ｳﾒ", "ｷ･ｵｰｸﾏﾝ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "あなた"};
    BeginNewGame(game);
    RunSteps(game);
    for (int actions = 0; checker.games == 0 && actions < 100000; ++actions) {
      ASSERT_TRUE(game.flow.humanInputOpen) << "the user must be able to act while the game runs";
      user.Act(game);
    }
    EXPECT_EQ(checker.games, 1);
    EXPECT_EQ(checker.rounds, 20);
    ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << n;
  }
}

}  // namespace
}  // namespace zunpa::testing
