#include <gtest/gtest.h>

#include <sstream>

#include "sim_runner.h"

namespace zunpa::sim {
namespace {

SimOptions SmallRun(int threads) {
  SimOptions o;
  o.games = 40;
  o.seed = 7;
  o.threads = threads;
  o.players = {Character::Ukkari, Character::KiOokuman, Character::TrickUme, Character::Neutora};
  return o;
}

TEST(SimRun, SameArgumentsGiveTheSameBytesWhateverTheThreads) {
  std::ostringstream one, two, three;
  const RunStats a = RunGames(SmallRun(1), &one);
  const RunStats b = RunGames(SmallRun(2), &two);
  const RunStats c = RunGames(SmallRun(3), &three);
  EXPECT_FALSE(one.str().empty());
  EXPECT_EQ(one.str(), two.str());
  EXPECT_EQ(one.str(), three.str());
  EXPECT_EQ(FormatJson(a, SeatLabels(SmallRun(1)), 0), FormatJson(b, SeatLabels(SmallRun(1)), 0));
  EXPECT_EQ(FormatJson(a, SeatLabels(SmallRun(1)), 0), FormatJson(c, SeatLabels(SmallRun(1)), 0));
  // Logging does not change the games.
  EXPECT_EQ(FormatJson(RunGames(SmallRun(2), nullptr), SeatLabels(SmallRun(1)), 0),
            FormatJson(a, SeatLabels(SmallRun(1)), 0));
}

TEST(SimRun, AnotherSeedDealsOtherGames) {
  std::ostringstream a, b;
  SimOptions other = SmallRun(1);
  other.seed = 8;
  RunGames(SmallRun(1), &a);
  RunGames(other, &b);
  EXPECT_NE(a.str(), b.str());
}

TEST(SimRun, SummaryAddsUp) {
  const RunStats s = RunGames(SmallRun(2), nullptr);
  EXPECT_EQ(s.games, 40);
  EXPECT_EQ(s.rounds, 40 * 20);
  EXPECT_EQ(s.stalledRounds, 0);
  std::int64_t wins = 0, outWins = 0, calledOn = 0;
  for (const SeatStats& seat : s.seats) {
    EXPECT_EQ(seat.rounds, s.rounds);
    wins += seat.outWins + seat.zunpaWins;
    outWins += seat.outWins;
    calledOn += seat.calledOn;
    std::int64_t places = 0;
    for (std::int64_t p : seat.places)
      places += p;
    EXPECT_EQ(places, s.games);
  }
  // Every round has a winner: one who went out, or one or more callers.
  EXPECT_GE(wins, s.rounds);
  EXPECT_GE(outWins + calledOn, s.rounds);
  // Somebody is first in every game.
  std::int64_t firsts = 0;
  for (const SeatStats& seat : s.seats)
    firsts += seat.places[0];
  EXPECT_GE(firsts, s.games);
  EXPECT_GT(s.moves, s.rounds * 10);
}

TEST(SimRun, StalledRoundsAreCountedAndDealtAgain) {
  SimOptions o = SmallRun(1);
  o.games = 3;
  o.maxMoves = 6;
  std::ostringstream log;
  const RunStats s = RunGames(o, &log);
  EXPECT_GT(s.stalledRounds, 0);
  EXPECT_EQ(s.rounds, 3 * 20);
  EXPECT_NE(log.str().find("{\"ev\":\"stalled\",\"game\":0,\"round\":1}"), std::string::npos);
}

TEST(SimStats, WilsonIntervalsBracketTheRate) {
  const Interval i = Wilson95(30, 100);
  EXPECT_LT(i.low, 0.30);
  EXPECT_GT(i.high, 0.30);
  EXPECT_NEAR(i.low, 0.2189, 1e-3);
  EXPECT_NEAR(i.high, 0.3958, 1e-3);
  const Interval none = Wilson95(0, 50);
  EXPECT_EQ(none.low, 0);
  EXPECT_GT(none.high, 0);
}

}  // namespace
}  // namespace zunpa::sim
