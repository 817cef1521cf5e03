#include "ui_logic/table_layout.h"

#include "rules/display_model.h"

namespace zunpa::ui {

std::vector<LabelPlace> TableLabels() {
  std::vector<LabelPlace> places;
  for (int i = 0; i < kSeats; ++i) {
    const int dy = kRowTop[i] - kRowTop[0];
    const std::string n = std::to_string(i);
    places.push_back({"lblPLNM" + n, 120, 60 + dy, 1215, 255, 9, Align::Left, {}});
    places.push_back({"lblJUNI" + n, 1320, 60 + dy, 735, 255, 9, Align::Right, {}});
    places.push_back({"Label1" + std::to_string(2 * i), 120, 300 + dy, 1215, 255, 9, Align::Left, "現在得点"});
    places.push_back({"Label1" + std::to_string(2 * i + 1), 120, 540 + dy, 1215, 255, 9, Align::Left, "前回得点"});
    places.push_back({"lblRUIS" + n, 1320, 300 + dy, 735, 255, 9, Align::Right, {}});
    places.push_back({"lblPOINT" + n, 1320, 540 + dy, 735, 255, 9, Align::Right, {}});
    places.push_back({"lblDNUM" + n, 120, 780 + dy, 1215, 255, 9, Align::Left, {}});
    places.push_back({"lblWNUM" + n, 1320, 780 + dy, 735, 255, 9, Align::Right, {}});
  }
  places.push_back({"lblROUND", 240, 3780, 1695, 375, 12, Align::Centre, {}});
  places.push_back({"lblZAN", 4590, 3180, 975, 255, 9, Align::Centre, {}});
  places.push_back({"lblGOKEI", 3000, 4500, 495, 375, 10, Align::Centre, {}});
  places.push_back({"lblSTART", 2400, 1980, 4320, 1200, 10, Align::Centre, {}});
  places.push_back({"lblYOMI", 3600, 4140, 3180, 600, 9, Align::Left, {}});
  return places;
}

}  // namespace zunpa::ui
