// The score chart read from the score sheet: seeded games followed round
// by round, a game continued from its file, the value axis and the seat
// colours.

#include "ui_logic/score_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "files/saved_game.h"
#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "rules/play_observer.h"
#include "scoring/points.h"
#include "scripted_host.h"
#include "ui_logic/colour_contrast.h"

namespace zunpa::ui {
namespace {

using testing::ScriptedHost;

// What each round did to the totals, seen from the game itself.
struct RoundSeen {
  std::array<int, kSeats> totals{};
  std::array<bool, kSeats> halved{}, doubled{};
  std::vector<int> callers;
  bool countered = false;
  int outSeat = 0;
  std::vector<int> calledOn;
};

class RoundFollower : public PlayObserver {
 public:
  explicit RoundFollower(ScriptedHost& host) : host_(host) {}
  void OnDeal(const Game&) override { countered_ = false; }
  void OnZunpa(const Game&, const ZunpaCall& call) override {
    if (!call.passed) countered_ = call.countered;
  }
  void OnRoundEnd(const Game& g) override {
    const RoundState& r = g.round;
    RoundSeen seen;
    for (int i = 0; i < kSeats; ++i) {
      const int before = rounds.empty() ? 0 : rounds.back().totals[i];
      int total = ClampPoints(std::int64_t{before} + g.scores.lastRoundPoints[i]);
      seen.halved[i] = ChangeOfTotal(total) == TotalChange::Halved;
      if (seen.halved[i]) total /= 2;
      seen.doubled[i] = ChangeOfTotal(total) == TotalChange::Doubled;
      seen.totals[i] = g.scores.TotalPoints[i];
    }
    for (int seat : {r.ZunpaSeat1, r.ZunpaSeat2, r.ZunpaSeat3})
      if (seat != 0) seen.callers.push_back(seat);
    std::sort(seen.callers.begin(), seen.callers.end());
    if (!seen.callers.empty())
      for (int seat : {r.CurrentSeat, r.CounteredSeat1, r.CounteredSeat2})
        if (seat != 0) seen.calledOn.push_back(seat);
    seen.countered = countered_;
    seen.outSeat = r.ZunpaKind == 0 ? r.OutSeat : 0;
    rounds.push_back(seen);
    // The chart as the window would take it now: one round more each time.
    const ScoreChart chart = ScoreChartOf(g.display.sheet);
    EXPECT_EQ(chart.roundsPlayed, static_cast<int>(rounds.size()));
    for (const ChartSeries& series : chart.series)
      EXPECT_EQ(series.points.size(), rounds.size());
    host_.Forget();
  }
  std::vector<RoundSeen> rounds;

 private:
  ScriptedHost& host_;
  bool countered_ = false;
};

struct PlayedGame {
  ScoreChart chart;
  std::vector<RoundSeen> rounds;
  std::array<std::string, kSeats> names;
};

PlayedGame PlaySeededGame(std::uint64_t seed) {
  ScriptedHost host;
  host.strict = false;
  RoundFollower follower(host);
  Game game(host);
  game.observer = &follower;
  game.options.Sound = false;
  game.random.Seed(DeriveSeed(seed, 0));
  std::array<Character, kSeats> cast;
  for (int i = 0; i < kSeats; ++i)
    cast[i] = static_cast<Character>((seed + static_cast<std::uint64_t>(i) * 2) % kCharacterCount);
  SeatComputers(game, cast);
  BeginNewGame(game);
  RunSteps(game);
  return {ScoreChartOf(game.display.sheet), follower.rounds, game.seats.playing};
}

void ExpectChartFollows(const PlayedGame& game) {
  const ScoreChart& chart = game.chart;
  ASSERT_EQ(chart.roundsPlayed, kRoundsInGame);
  std::vector<ZunpaRound> calls;
  for (int round = 1; round <= kRoundsInGame; ++round) {
    const RoundSeen& seen = game.rounds[round - 1];
    if (!seen.callers.empty()) calls.push_back({round, seen.callers, seen.countered});
    for (int seat = 1; seat <= kSeats; ++seat) {
      const ChartPoint& point = chart.series[seat - 1].points[round - 1];
      const bool caller = std::find(seen.callers.begin(), seen.callers.end(), seat) != seen.callers.end();
      const bool calledOn = std::find(seen.calledOn.begin(), seen.calledOn.end(), seat) != seen.calledOn.end();
      SCOPED_TRACE("round " + std::to_string(round) + " seat " + std::to_string(seat));
      EXPECT_EQ(point.round, round);
      EXPECT_EQ(point.total, seen.totals[seat - 1]);
      EXPECT_EQ(point.marks.halved, seen.halved[seat - 1]);
      EXPECT_EQ(point.marks.doubled, seen.doubled[seat - 1]);
      EXPECT_EQ(point.marks.zunpaCall, caller);
      EXPECT_EQ(point.marks.counterCall, caller && seen.countered);
      EXPECT_EQ(point.marks.zunpaLoss, calledOn);
      EXPECT_EQ(point.marks.wentOut, seat == seen.outSeat);
    }
  }
  EXPECT_EQ(chart.zunpaRounds, calls);
  for (int seat = 1; seat <= kSeats; ++seat)
    EXPECT_EQ(chart.series[seat - 1].name, game.names[seat - 1]);
}

TEST(ScoreChart, FollowsSeededGamesRoundByRound) {
  int halvings = 0, doublings = 0, zunpas = 0, counters = 0, negatives = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    const PlayedGame game = PlaySeededGame(seed);
    ExpectChartFollows(game);
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed;
    for (const RoundSeen& seen : game.rounds) {
      halvings += static_cast<int>(std::count(seen.halved.begin(), seen.halved.end(), true));
      doublings += static_cast<int>(std::count(seen.doubled.begin(), seen.doubled.end(), true));
      zunpas += !seen.callers.empty();
      counters += seen.countered;
    }
    const ChartAxis& axis = game.chart.axis;
    for (const ChartSeries& series : game.chart.series)
      for (const ChartPoint& point : series.points) {
        EXPECT_LE(axis.low, point.total);
        EXPECT_GE(axis.high, point.total);
        negatives += point.total < 0;
      }
  }
  // The games reach every kind of mark, so none of the checks above is idle.
  EXPECT_GT(halvings, 0);
  EXPECT_GT(doublings, 0);
  EXPECT_GT(zunpas, 0);
  EXPECT_GT(counters, 0);
  EXPECT_GT(negatives, 0);
}

TEST(ScoreChart, AGameNotYetScoredIsEmpty) {
  const ScoreChart chart = ScoreChartOf(ScoreSheet{});
  EXPECT_TRUE(chart.Empty());
  EXPECT_TRUE(chart.zunpaRounds.empty());
  for (const ChartSeries& series : chart.series) {
    EXPECT_TRUE(series.points.empty());
    EXPECT_EQ(series.name, "");
  }
  EXPECT_EQ(chart.axis.low, 0);
  EXPECT_GT(chart.axis.high, 0);
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sheet as a continued game has it: the file's cells under the names.
TEST(ScoreChart, ReadsAGameContinuedFromItsFile) {
  const auto saved = ParseSavedGame(FileBytes(std::string(ZUNPA_TEST_DATA) + "/savedata_round5.txt"));
  ASSERT_TRUE(saved);
  ScoreSheet sheet;
  for (int seat = 1; seat <= kSeats; ++seat) {
    sheet.Cell(seat, 21).caption = FirstCharacters(saved->names[seat - 1], 4);
    sheet.Cell(seat, 0).caption = CharactersFrom(saved->names[seat - 1], 4);
    for (int round = 1; round <= kRoundsInGame; ++round)
      sheet.Cell(seat, round) = saved->cells[round - 1][seat - 1];
  }
  const ScoreChart chart = ScoreChartOf(sheet);
  EXPECT_EQ(chart.roundsPlayed, 4);
  EXPECT_EQ(chart.series[0].name, "ﾄﾘｯｸ･ｳﾒ");
  EXPECT_EQ(chart.series[1].points[3].total, -20);
  EXPECT_EQ(chart.series[2].points[3].total, 400);
  // Round 2: seat 1 won by a call on seat 2; seat 4's cell keeps a platform
  // colour and carries no mark.
  ASSERT_EQ(chart.zunpaRounds.size(), 1u);
  EXPECT_EQ(chart.zunpaRounds[0], (ZunpaRound{2, {1}, false}));
  EXPECT_TRUE(chart.series[1].points[1].marks.zunpaLoss);
  EXPECT_EQ(chart.series[3].points[1].marks, ChartMarks{});
  // Round 3: seat 3 halved at the file's 8.25 points, seat 4 doubled.
  EXPECT_TRUE(chart.series[2].points[2].marks.halved);
  EXPECT_TRUE(chart.series[3].points[2].marks.doubled);
  EXPECT_FALSE(chart.series[0].points[2].marks.halved || chart.series[0].points[2].marks.doubled);
}

TEST(ScoreChart, ACounterCallIsMarkedOnTheSeatThatStruckBack) {
  ScoreSheet sheet;
  for (int seat = 1; seat <= kSeats; ++seat)
    sheet.Cell(seat, 1).caption = std::to_string(seat * 10 - 30);
  sheet.Cell(3, 1).colour = kBlue;
  sheet.Cell(3, 1).italic = true;
  sheet.Cell(1, 1).colour = sheet.Cell(2, 1).colour = kRed;
  const ScoreChart chart = ScoreChartOf(sheet);
  EXPECT_EQ(chart.zunpaRounds, (std::vector<ZunpaRound>{{1, {3}, true}}));
  EXPECT_TRUE(chart.series[2].points[0].marks.counterCall);
  EXPECT_TRUE(chart.series[0].points[0].marks.zunpaLoss && chart.series[1].points[0].marks.zunpaLoss);
  EXPECT_LE(chart.axis.low, -20);
}

TEST(ChartAxis, CoversTheRangeInRoundSteps) {
  const std::vector<int> roundSteps = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 2500, 5000, 10000};
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> value(-3000, 3000);
  for (int n = 0; n < 2000; ++n) {
    const int a = std::min(0, value(rng)), b = std::max(0, value(rng));
    const ChartAxis axis = NiceAxis(a, b);
    SCOPED_TRACE(std::to_string(a) + ".." + std::to_string(b));
    EXPECT_NE(std::find(roundSteps.begin(), roundSteps.end(), axis.step), roundSteps.end());
    EXPECT_LE(axis.low, a);
    EXPECT_GE(axis.high, b);
    EXPECT_EQ(axis.low % axis.step, 0);
    EXPECT_EQ(axis.high % axis.step, 0);
    const std::vector<int> ticks = axis.Ticks();
    EXPECT_LE(ticks.size(), 9u);
    EXPECT_GE(ticks.size(), 2u);
    EXPECT_NE(std::find(ticks.begin(), ticks.end(), 0), ticks.end());
    // The next smaller round step would need more than eight.
    const auto smaller = std::find(roundSteps.begin(), roundSteps.end(), axis.step);
    if (smaller != roundSteps.begin() && a != b) {
      const int s = *(smaller - 1);
      const int lowS = (a / s - (a % s < 0)) * s, highS = (b / s + (b % s > 0)) * s;
      EXPECT_GT((highS - lowS) / s, 8);
    }
  }
}

TEST(ChartAxis, KeepsTheHalvingTotalsOnTheGrid) {
  EXPECT_EQ(NiceAxis(-252, 120), (ChartAxis{-300, 200, 100}));
  EXPECT_EQ(NiceAxis(0, 170), (ChartAxis{0, 175, 25}));
  EXPECT_EQ(NiceAxis(0, 0), (ChartAxis{0, 50, 10}));
  EXPECT_EQ(NiceAxis(-32768, 32767).Ticks().front(), -40000);
}

// A seat has one colour wherever it is named: the sheet's header, which
// the table's name shows too, moved only where it would not read.
TEST(SeatColourOn, EverySeatReadsInTheColourTheTableShowsIt) {
  ScoreSheet sheet;
  const std::array<unsigned, kSeats> named = {0xFF00FF, 0x00FFFF, 0x00FF00, 0xFFFF00};
  for (int seat = 1; seat <= kSeats; ++seat)
    sheet.Cell(seat, 21).colour = named[seat - 1];
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(SeatColourOn(sheet, seat, kChartBackground), named[seat - 1]) << seat;
    EXPECT_EQ(ScoreChartOf(sheet).series[seat - 1].colour, named[seat - 1]) << seat;
    const unsigned onPaper = SeatColourOn(sheet, seat, 0xFFFFFF);
    EXPECT_GE(ContrastRatio(onPaper, 0xFFFFFF), 4.5) << seat;
  }
}

TEST(LegibleOn, MovesAColourOnlyAsFarAsNeeded) {
  const unsigned yellowOnPaper = LegibleOn(0xFFFF00, 0xFFFFFF);
  EXPECT_GE(ContrastRatio(yellowOnPaper, 0xFFFFFF), 4.5);
  EXPECT_LT(ContrastRatio(yellowOnPaper, 0xFFFFFF), 6.0);
  EXPECT_EQ((yellowOnPaper & 0xFF), 0u);  // still a yellow: mixed with black
  const unsigned navyOnNight = LegibleOn(0x000080, 0x000000);
  EXPECT_GE(ContrastRatio(navyOnNight, 0x000000), 4.5);
  EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
}

}  // namespace
}  // namespace zunpa::ui
