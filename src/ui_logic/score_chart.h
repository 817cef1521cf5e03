#pragma once
// frmGRAPH's content: the four running totals round by round, read from
// the score sheet, which also holds a game continued from its file. The
// cell styles say which totals were halved or doubled and who won how.

#include <array>
#include <string>
#include <vector>

#include "rules/display_model.h"
#include "rules/round_state.h"
#include "ui_logic/chart_axis.h"

namespace zunpa::ui {

// The chart's ground; the seat colours are made legible on it.
constexpr unsigned kChartBackground = 0x161A22;

struct ChartMarks {
  bool halved = false;
  bool doubled = false;
  bool wentOut = false;
  bool zunpaCall = false;    // won the round by a Zunpa call
  bool counterCall = false;  // won it by a counter-call
  bool zunpaLoss = false;    // was called on
  friend bool operator==(const ChartMarks&, const ChartMarks&) = default;
};

struct ChartPoint {
  int round = 0;
  int total = 0;
  ChartMarks marks;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSeries {
  std::string name;
  unsigned colour = 0;
  std::vector<ChartPoint> points;  // the rounds played, in order
  friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

// A round won by a call, and the seats that won it.
struct ZunpaRound {
  int round = 0;
  std::vector<int> callers;
  bool countered = false;
  friend bool operator==(const ZunpaRound&, const ZunpaRound&) = default;
};

struct ScoreChart {
  std::array<ChartSeries, kSeats> series;
  std::vector<ZunpaRound> zunpaRounds;
  ChartAxis axis;
  int roundsPlayed = 0;
  bool Empty() const { return roundsPlayed == 0; }
  friend bool operator==(const ScoreChart&, const ScoreChart&) = default;
};

// Every game starts from 0, so the axis always holds 0.
ScoreChart ScoreChartOf(const ScoreSheet& sheet);
// A seat's colour wherever the game names the seat: its score-sheet header
// (the character's colour, the user's yellow), moved only as far as it
// must be to read on `ground`.
unsigned SeatColourOn(const ScoreSheet& sheet, int seat, unsigned ground);

}  // namespace zunpa::ui
