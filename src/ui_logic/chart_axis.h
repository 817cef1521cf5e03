#pragma once
// A value axis with round steps (1, 2, 2.5 or 5 times a power of ten),
// whose ends are multiples of the step.

#include <vector>

namespace zunpa::ui {

struct ChartAxis {
  int low = 0;
  int high = 50;
  int step = 10;
  std::vector<int> Ticks() const;
  friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

// The smallest round step that covers [low, high] in at most `maxSteps`
// steps; an empty range is widened to 50 above its value.
ChartAxis NiceAxis(int low, int high, int maxSteps = 8);

}  // namespace zunpa::ui
