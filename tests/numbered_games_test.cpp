// Numbered games: every deal, reshuffle and random starter comes from the
// game number, so one number and the same moves give the same game, and
// each round's deal is the same whatever was played before it.

#include <gtest/gtest.h>

#include "deal_log.h"
#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "rules/deal.h"
#include "rules/silent_host.h"
#include "scripted_host.h"
#include "session/session.h"

namespace zunpa::testing {
namespace {

using Cast = std::array<Character, kSeats>;
constexpr Cast kCastA = {Character::Agarita, Character::TrickUme, Character::Zunpasky, Character::KiOokuman};
constexpr Cast kCastB = {Character::Ukkari, Character::Neutora, Character::KiOokuman, Character::Agarita};

// A whole numbered game among four characters, nobody watching.
DealLog HeadlessGame(std::uint64_t number, const Cast& cast) {
  SilentHost host;
  Game g(host);
  DealLog log;
  g.watching = false;
  g.observer = &log;
  g.flow.maxMovesPerRound = 10000;
  g.random.UseGameNumber(number);
  SeatComputers(g, cast);
  BeginNewGame(g);
  RunSteps(g);
  return log;
}

// Round 1 of a numbered game, dealt and not yet played.
DealtRound FirstDeal(std::uint64_t number) {
  SilentHost host;
  Game g(host);
  DealLog log;
  g.watching = false;
  g.observer = &log;
  g.random.UseGameNumber(number);
  SeatComputers(g, kCastA);
  BeginNewGame(g);
  return log.deals.at(0);
}

// Whether round 1 of the number opens with a computer's move, the user at
// seat 4.
bool ComputerMovesFirst(std::uint64_t number) {
  ScriptedHost host;
  host.strict = false;
  Game g(host);
  g.random.UseGameNumber(number);
  BeginNewGame(g);
  return NextStep(g).kind == StepKind::ComputerMove;
}

// What ShuffleAndDeal gives for round `round` as the first deal of the source.
std::vector<int> DealOfRound(RandomSource& source, int round) {
  ScriptedHost host;
  Game g(host);
  g.random = source;
  g.round.RoundNo = round;
  ShuffleAndDeal(g);
  source = g.random;
  DealLog log;
  log.OnDeal(g);
  return log.deals[0].cards;
}

std::vector<int> Draws(RandomSource& source, int count) {
  std::vector<int> draws;
  for (int i = 0; i < count; ++i)
    draws.push_back(source.Below(52));
  return draws;
}

TEST(NumberedGames, OneNumberDealsOneGameAndAnotherNumberAnother) {
  const DealLog first = HeadlessGame(123456, kCastA);
  const DealLog again = HeadlessGame(123456, kCastA);
  ASSERT_EQ(first.deals.size(), std::size_t(kRoundsInGame));
  EXPECT_EQ(first.deals, again.deals);
  EXPECT_EQ(first.reshuffles, again.reshuffles);
  EXPECT_EQ(first.plays, again.plays);

  const DealLog other = HeadlessGame(123457, kCastA);
  EXPECT_NE(other.deals[0].cards, first.deals[0].cards);
  // The starters of round 1 over many numbers: every seat begins some.
  std::array<int, kSeats> starters{};
  for (std::uint64_t number = 1; number <= 40; ++number)
    ++starters[FirstDeal(number).starter - 1];
  for (int count : starters)
    EXPECT_GT(count, 0);
}

TEST(NumberedGames, EachRoundIsDealtFromTheNumberAndTheRoundAlone) {
  const DealLog a = HeadlessGame(987654321, kCastA);
  const DealLog b = HeadlessGame(987654321, kCastB);
  // Other characters play other moves, and the rounds end otherwise...
  EXPECT_NE(a.plays, b.plays);
  // ...yet every round is dealt the same cards, and round 1 begins alike.
  ASSERT_EQ(a.deals.size(), std::size_t(kRoundsInGame));
  EXPECT_EQ(CardsOf(a.deals), CardsOf(b.deals));
  EXPECT_EQ(a.deals[0].starter, b.deals[0].starter);
  for (int round = 0; round < kRoundsInGame; ++round)
    EXPECT_EQ(a.deals[round].round, round + 1);
  // No two rounds of the game are dealt alike.
  for (int round = 1; round < kRoundsInGame; ++round)
    EXPECT_NE(a.deals[round].cards, a.deals[0].cards);
}

TEST(NumberedGames, ARoundDealtAgainIsDealtAnewUntilTheNumberIsTakenAgain) {
  RandomSource source;
  source.UseGameNumber(555);
  const std::vector<int> firstDeal = DealOfRound(source, 3);
  const std::vector<int> dealtAgain = DealOfRound(source, 3);
  EXPECT_NE(dealtAgain, firstDeal);
  source.UseGameNumber(555);
  EXPECT_EQ(DealOfRound(source, 3), firstDeal);
  // A round's deal does not depend on the rounds dealt before it.
  RandomSource fresh;
  fresh.UseGameNumber(555);
  DealOfRound(fresh, 1);
  DealOfRound(fresh, 2);
  EXPECT_EQ(DealOfRound(fresh, 3), firstDeal);
}

TEST(NumberedGames, AReshuffleDependsOnlyOnHowManyCameBeforeItInItsRound) {
  RandomSource afterMore, direct;
  afterMore.UseGameNumber(42);
  direct.UseGameNumber(42);
  afterMore.Reseed(ReseedPoint::Deal, 4);
  afterMore.Reseed(ReseedPoint::Reshuffle, 4);
  afterMore.Reseed(ReseedPoint::Reshuffle, 4);
  afterMore.Reseed(ReseedPoint::Deal, 5);
  direct.Reseed(ReseedPoint::Deal, 5);
  afterMore.Reseed(ReseedPoint::Reshuffle, 5);
  direct.Reseed(ReseedPoint::Reshuffle, 5);
  const std::vector<int> firstReshuffle = Draws(afterMore, 30);
  EXPECT_EQ(Draws(direct, 30), firstReshuffle);
  afterMore.Reseed(ReseedPoint::Reshuffle, 5);
  EXPECT_NE(Draws(afterMore, 30), firstReshuffle);
  // The starter chosen before a deal is apart from the deal itself.
  RandomSource starter;
  starter.UseGameNumber(42);
  starter.Reseed(ReseedPoint::Starter, 5);
  const std::vector<int> starterDraws = Draws(starter, 30);
  starter.Reseed(ReseedPoint::Deal, 5);
  EXPECT_NE(Draws(starter, 30), starterDraws);
}

TEST(SeededSources, ReseedPointsLeaveASeededSourceDrawingAsBefore) {
  RandomSource plain(7), reseeded(7);
  std::vector<int> expected = Draws(plain, 20);
  std::vector<int> drawn = Draws(reseeded, 20);
  for (ReseedPoint point : {ReseedPoint::Starter, ReseedPoint::Deal, ReseedPoint::Reshuffle}) {
    reseeded.Reseed(point, 3);
    const std::vector<int> more = Draws(reseeded, 20), plainMore = Draws(plain, 20);
    drawn.insert(drawn.end(), more.begin(), more.end());
    expected.insert(expected.end(), plainMore.begin(), plainMore.end());
  }
  EXPECT_EQ(drawn, expected);
  EXPECT_FALSE(reseeded.GameNumber());
  // A clock-driven source still takes the clock at each point.
  RandomSource clock(7);
  clock.SetClockDriven(true);
  RandomSource copy = clock;
  clock.Reseed(ReseedPoint::Deal, 1);
  EXPECT_NE(Draws(clock, 20), Draws(copy, 20));
}

TEST(NumberedGames, NumbersFromTheClockAreGameNumbers) {
  for (int i = 0; i < 100; ++i) {
    const std::uint64_t number = GameNumberFromClock();
    EXPECT_GE(number, kFirstGameNumber);
    EXPECT_LE(number, kLastGameNumber);
  }
}

// The window's core: a session whose new-game command is given a number.
class SessionNumberTest : public ::testing::Test {
 protected:
  SessionNumberTest() {
    host.strict = false;
    session.game().observer = &log;
  }
  void AcceptPlayers() { host.playerSelections.push_back({{"ﾄﾘｯｸ･ｳﾒ", "ｷ･ｵｰｸﾏﾝ", "ｽﾞﾝﾊﾟｽｷｲ", "あなた"}, 1}); }
  ScriptedHost host;
  Session session{host};
  DealLog log;
};

TEST_F(SessionNumberTest, ANumberedNewGameDealsAsTheNumberSays) {
  EXPECT_FALSE(session.GameNumber());
  AcceptPlayers();
  ASSERT_TRUE(session.NewNumberedGame(123456));
  EXPECT_EQ(session.GameNumber(), 123456u);
  ASSERT_EQ(log.deals.size(), 1u);
  EXPECT_EQ(log.deals[0], FirstDeal(123456));  // the cards and who begins
}

TEST_F(SessionNumberTest, CancelledPlayersOrABusyTableKeepTheGameAndItsNumber) {
  // A number whose first move is a computer's: its moves are then pending.
  std::uint64_t number = 1;
  while (!ComputerMovesFirst(number))
    ++number;
  AcceptPlayers();
  ASSERT_TRUE(session.NewNumberedGame(number));
  ASSERT_TRUE(session.Busy());
  EXPECT_FALSE(session.NewNumberedGame(number + 1));
  EXPECT_EQ(session.GameNumber(), number);
  session.RunSteps();
  host.playerSelections.push_back({{"", "", "", ""}, 1});  // Cancel
  const std::vector<int> hand(session.game().round.HandOf(4).begin(), session.game().round.HandOf(4).end());
  ASSERT_TRUE(session.NewNumberedGame(number + 1));
  EXPECT_EQ(session.GameNumber(), number);
  EXPECT_EQ(log.deals.size(), 1u);
  EXPECT_EQ(std::vector<int>(session.game().round.HandOf(4).begin(), session.game().round.HandOf(4).end()), hand);
}

}  // namespace
}  // namespace zunpa::testing
