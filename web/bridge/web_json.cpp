#include "web_json.h"

namespace zunpa::web {

Json SeatSetupJson(const SeatSetup& setup) {
  return {{"names", setup.names}, {"humanSex", setup.humanSex}};
}

void ReadSeatSetup(const Json& json, SeatSetup& setup) {
  if (!json.is_object()) return;
  if (json.contains("names") && json["names"].is_array() && json["names"].size() == 4)
    for (int i = 0; i < 4; ++i)
      if (json["names"][i].is_string()) setup.names[i] = json["names"][i].get<std::string>();
  const int sex = json.value("humanSex", setup.humanSex);
  if (sex >= 0 && sex <= 2) setup.humanSex = sex;
}

Json RoundResultJson(const RoundResult& result) {
  Json rows = Json::array();
  for (const RoundResultRow& row : result.rows)
    rows.push_back({{"twos", row.twos},
                    {"suitChanges", row.suitChanges},
                    {"cardPoints", row.cardPoints},
                    {"multiplier", row.multiplier},
                    {"points", row.points}});
  return {{"roundNo", result.roundNo}, {"names", result.names}, {"rows", rows}};
}

Json FinalResultJson(const FinalResult& result) {
  Json rows = Json::array();
  for (const FinalResultRow& row : result.rows)
    rows.push_back({{"place", row.place}, {"name", row.name}, {"points", row.points}, {"colour", row.colour}});
  return {{"rows", rows}};
}

Json HighScoreCellsJson(const std::array<HighScoreCells, 10>& cells) {
  Json rows = Json::array();
  for (const HighScoreCells& c : cells)
    rows.push_back({{"points", c.points}, {"name", c.name}, {"gamePlace", c.gamePlace}, {"date", c.date}});
  return {{"rows", rows}};
}

Json ScoreSheetJson(const ScoreSheet& sheet) {
  Json columns = Json::array();
  for (const auto& column : sheet.columns) {
    Json cells = Json::array();
    for (const SheetCell& c : column)
      cells.push_back({{"caption", c.caption},
                       {"colour", c.colour},
                       {"italic", c.italic},
                       {"size", c.size},
                       {"underline", c.underline}});
    columns.push_back(cells);
  }
  return {{"columns", columns}};
}

Json MenuBarJson(const std::vector<ui::MenuItem>& bar) {
  Json items = Json::array();
  for (const ui::MenuItem& item : bar) {
    Json one = {{"name", item.name},         {"index", item.index},         {"caption", item.caption},
                {"shortcut", item.shortcut}, {"checkable", item.checkable}, {"checked", item.checked},
                {"enabled", item.enabled}};
    if (!item.items.empty()) one["items"] = MenuBarJson(item.items);
    items.push_back(one);
  }
  return items;
}

}  // namespace zunpa::web
