#pragma once
// Where a window goes so that it stands beside another without covering
// it, nor the windows it should leave free, and stays on the screen.

#include <optional>
#include <vector>

namespace zunpa::ui {

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Overlaps(const Box& other) const;
  friend bool operator==(const Box&, const Box&) = default;
};

struct BesideRequest {
  Box anchor;     // the window to stand beside
  Box screen;     // the room available
  int width = 0;  // the size wanted
  int height = 0;
  int minWidth = 0;  // the window may shrink to this when room is short
  int minHeight = 0;
  std::vector<Box> keepFree;
  int gap = 8;
};

// Right of the anchor, else left, below or above, and then the same sides
// of each kept-free window: the first place where the whole window fits
// and covers neither the anchor nor a kept-free window. Else, shrunk to no
// less than the minimum size, the largest such place; else the largest
// that leaves only the anchor free; else the wanted size at the anchor's
// right, held on the screen.
Box PlaceBeside(const BesideRequest& request);

// A window of a fixed size level with the anchor's bottom, just outside
// its right edge, else its left one: nothing when the screen has room on
// neither side.
std::optional<Box> PlaceOutsideBottomCorner(const Box& anchor, const Box& screen, int width, int height);

}  // namespace zunpa::ui
