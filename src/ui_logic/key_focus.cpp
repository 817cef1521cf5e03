#include "ui_logic/key_focus.h"

#include <algorithm>

#include "flow/turn_cycle.h"

namespace zunpa::ui {

std::vector<FocusStop> FocusStops(const Game& game) {
  std::vector<FocusStop> stops;
  if (!UserMayMove(game)) return stops;
  const RoundState& r = game.round;
  for (int code : r.HandOf(4))
    if (SuitOfCode(code) == r.PileSuit || RankOfCode(code) == r.PileRank) stops.push_back({false, code});
  const DisplayModel& d = game.display;
  std::stable_sort(stops.begin(), stops.end(), [&](const FocusStop& a, const FocusStop& b) {
    return d.Card(SuitOfCode(a.code), RankOfCode(a.code)).left < d.Card(SuitOfCode(b.code), RankOfCode(b.code)).left;
  });
  if (d.drawButtonVisible && d.drawButtonEnabled) stops.push_back({true, 0});
  return stops;
}

std::optional<FocusStop> StepFocus(const std::vector<FocusStop>& stops, std::optional<FocusStop> current, int step) {
  if (stops.empty()) return std::nullopt;
  const auto at = current ? std::find(stops.begin(), stops.end(), *current) : stops.end();
  if (at == stops.end()) return stops.front();
  const int n = static_cast<int>(stops.size());
  const int index = static_cast<int>(at - stops.begin());
  return stops[static_cast<std::size_t>(((index + step) % n + n) % n)];
}

std::optional<FocusStop> KeepFocus(const std::vector<FocusStop>& stops, std::optional<FocusStop> current) {
  if (stops.empty()) return std::nullopt;
  if (current && std::find(stops.begin(), stops.end(), *current) != stops.end()) return current;
  return stops.front();
}

}  // namespace zunpa::ui
