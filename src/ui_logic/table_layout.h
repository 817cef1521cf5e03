#pragma once
// Where the table's captions and buttons stand, in twips: the seat panels,
// the centre's captions and めくる. Both windows place them from here.

#include <string>
#include <vector>

namespace zunpa::ui {

enum class Align { Left, Right, Centre };

struct LabelPlace {
  std::string name;  // the control's name: "lblPLNM0", "lblROUND", ...
  int left = 0, top = 0, width = 0, height = 0;
  double points = 9;
  Align align = Align::Left;
  std::string fixedText;  // a caption that never changes ("現在得点"), else empty
};

// Per seat lblPLNM, lblJUNI, the two fixed captions, lblRUIS, lblPOINT,
// lblDNUM and lblWNUM; then lblROUND, lblZAN, lblGOKEI, lblSTART, lblYOMI.
std::vector<LabelPlace> TableLabels();

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};
inline constexpr Rect kDrawButton{4680, 4380, 735, 375};
// The x-ray lists: List1(0..3) the hands, List1(5) the pile log, beside the table.
inline constexpr int kListLeft = 6840, kListStep = 375, kListTop = 60, kListWidth = 375, kListHeight = 5820;
inline constexpr int kTableHeight = 6120, kXrayTableWidth = 9540;
// Where a seat's balloon points from: over its row, just right of its first card.
inline constexpr int kBalloonLeft = 3120, kBalloonDrop = 120;

}  // namespace zunpa::ui
