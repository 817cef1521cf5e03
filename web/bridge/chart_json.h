#pragma once
// The score chart and the seats' colours as the page draws them.

#include "rules/display_model.h"
#include "web_json.h"

namespace zunpa::web {

Json ScoreChartJson(const ScoreSheet& sheet);
// Each seat's colour made legible on `ground`, as the desktop's log and
// chart show them.
Json SeatColoursJson(const ScoreSheet& sheet, unsigned ground);

}  // namespace zunpa::web
