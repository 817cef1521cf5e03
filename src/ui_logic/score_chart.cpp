#include "ui_logic/score_chart.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "ui_logic/colour_contrast.h"

namespace zunpa::ui {
namespace {

constexpr int kNameFirst = 21, kNameRest = 0;
// The settlement sets a halved total's cell to 8 points and a doubled
// one's to 10; an old saved game may hold 8.25 for the smaller size.
constexpr double kPlainCellPoints = 9;

std::optional<int> TotalOf(const SheetCell& cell) {
  const std::string& text = cell.caption;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool HasColour(const SheetCell& cell, unsigned colour) {
  return cell.systemColour == 0 && cell.colour == colour;
}

ChartMarks MarksOf(const SheetCell& cell) {
  ChartMarks marks;
  marks.halved = cell.underline && cell.size < kPlainCellPoints;
  marks.doubled = cell.underline && cell.size > kPlainCellPoints;
  marks.wentOut = HasColour(cell, kGreenWin);
  marks.zunpaCall = HasColour(cell, kBlue);
  marks.counterCall = marks.zunpaCall && cell.italic;
  marks.zunpaLoss = HasColour(cell, kRed);
  return marks;
}

void AddZunpaRound(ScoreChart& chart, const ScoreSheet& sheet, int round) {
  ZunpaRound call{round, {}, false};
  for (int seat = 1; seat <= kSeats; ++seat) {
    const ChartMarks marks = MarksOf(sheet.Cell(seat, round));
    if (!marks.zunpaCall) continue;
    call.callers.push_back(seat);
    call.countered = call.countered || marks.counterCall;
  }
  if (!call.callers.empty()) chart.zunpaRounds.push_back(std::move(call));
}

}  // namespace

unsigned SeatColourOn(const ScoreSheet& sheet, int seat, unsigned ground) {
  return LegibleOn(sheet.Cell(seat, kNameFirst).colour, ground);
}

ScoreChart ScoreChartOf(const ScoreSheet& sheet) {
  ScoreChart chart;
  int low = 0, high = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    ChartSeries& series = chart.series[seat - 1];
    series.name = sheet.Cell(seat, kNameFirst).caption + sheet.Cell(seat, kNameRest).caption;
    series.colour = SeatColourOn(sheet, seat, kChartBackground);
    for (int round = 1; round <= kRoundsInGame; ++round) {
      const SheetCell& cell = sheet.Cell(seat, round);
      const std::optional<int> total = TotalOf(cell);
      if (!total) continue;
      series.points.push_back({round, *total, MarksOf(cell)});
      low = std::min(low, *total);
      high = std::max(high, *total);
      chart.roundsPlayed = std::max(chart.roundsPlayed, round);
    }
  }
  for (int round = 1; round <= chart.roundsPlayed; ++round)
    AddZunpaRound(chart, sheet, round);
  chart.axis = NiceAxis(low, high);
  return chart;
}

}  // namespace zunpa::ui
