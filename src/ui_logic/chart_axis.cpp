#include "ui_logic/chart_axis.h"

#include <cstdint>

namespace zunpa::ui {
namespace {

std::int64_t FloorTo(std::int64_t v, std::int64_t step) {
  const std::int64_t q = v / step;
  return (q * step > v ? q - 1 : q) * step;
}

std::int64_t CeilTo(std::int64_t v, std::int64_t step) {
  const std::int64_t q = v / step;
  return (q * step < v ? q + 1 : q) * step;
}

// 1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, ...: steps of 25 and 250
// keep the multiples of 50, where totals are halved, on the grid.
std::int64_t NextRoundStep(std::int64_t step) {
  std::int64_t power = 1;
  while (power * 10 <= step)
    power *= 10;
  const std::int64_t lead = step / power;
  if (lead == 1) return 2 * power;
  if (lead == 2 && power >= 10 && step == 2 * power) return step + power / 2;
  if (lead == 2) return 5 * power;
  return 10 * power;
}

}  // namespace

std::vector<int> ChartAxis::Ticks() const {
  std::vector<int> ticks;
  if (step <= 0) return ticks;
  for (std::int64_t v = low; v <= high; v += step)
    ticks.push_back(static_cast<int>(v));
  return ticks;
}

ChartAxis NiceAxis(int low, int high, int maxSteps) {
  if (high < low) std::swap(low, high);
  if (high == low) high = low + 50;
  if (maxSteps < 1) maxSteps = 1;
  std::int64_t step = 1;
  while (CeilTo(high, step) - FloorTo(low, step) > step * maxSteps)
    step = NextRoundStep(step);
  return {static_cast<int>(FloorTo(low, step)), static_cast<int>(CeilTo(high, step)), static_cast<int>(step)};
}

}  // namespace zunpa::ui
