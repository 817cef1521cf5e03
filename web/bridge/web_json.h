#pragma once
// The core's values as the page reads them: plain JSON, UTF-8 texts.

#include <array>
#include <nlohmann/json.hpp>

#include "rules/display_model.h"
#include "rules/host.h"
#include "ui_logic/menu_tree.h"

namespace zunpa::web {

using Json = nlohmann::json;

Json SeatSetupJson(const SeatSetup& setup);
void ReadSeatSetup(const Json& json, SeatSetup& setup);
Json RoundResultJson(const RoundResult& result);
Json FinalResultJson(const FinalResult& result);
Json HighScoreCellsJson(const std::array<HighScoreCells, 10>& cells);
Json ScoreSheetJson(const ScoreSheet& sheet);
Json MenuBarJson(const std::vector<ui::MenuItem>& bar);

}  // namespace zunpa::web
