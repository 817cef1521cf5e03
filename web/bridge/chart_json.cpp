#include "chart_json.h"

#include "ui_logic/score_chart.h"

namespace zunpa::web {
namespace {

Json MarksJson(const ui::ChartMarks& m) {
  return {{"halved", m.halved},       {"doubled", m.doubled},         {"wentOut", m.wentOut},
          {"zunpaCall", m.zunpaCall}, {"counterCall", m.counterCall}, {"zunpaLoss", m.zunpaLoss}};
}

Json SeriesJson(const ui::ChartSeries& series) {
  Json points = Json::array();
  for (const ui::ChartPoint& p : series.points)
    points.push_back({{"round", p.round}, {"total", p.total}, {"marks", MarksJson(p.marks)}});
  return {{"name", series.name}, {"colour", series.colour}, {"points", points}};
}

}  // namespace

Json ScoreChartJson(const ScoreSheet& sheet) {
  const ui::ScoreChart chart = ui::ScoreChartOf(sheet);
  Json series = Json::array();
  for (const ui::ChartSeries& s : chart.series)
    series.push_back(SeriesJson(s));
  Json calls = Json::array();
  for (const ui::ZunpaRound& call : chart.zunpaRounds)
    calls.push_back({{"round", call.round}, {"callers", call.callers}, {"countered", call.countered}});
  const ui::ChartAxis& axis = chart.axis;
  return {{"ground", ui::kChartBackground},
          {"roundsPlayed", chart.roundsPlayed},
          {"axis", {{"low", axis.low}, {"high", axis.high}, {"step", axis.step}, {"ticks", axis.Ticks()}}},
          {"series", series},
          {"zunpaRounds", calls}};
}

Json SeatColoursJson(const ScoreSheet& sheet, unsigned ground) {
  Json colours = Json::array();
  for (int seat = 1; seat <= kSeats; ++seat)
    colours.push_back(ui::SeatColourOn(sheet, seat, ground));
  return colours;
}

}  // namespace zunpa::web
