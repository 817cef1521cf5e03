#include "ui_logic/beside_placement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zunpa::ui {
namespace {

int Clamp(int v, int low, int high) {
  return std::max(low, std::min(v, high));
}

// The room on one side of `around`, within the screen.
Box RoomOnSide(const BesideRequest& q, const Box& around, int side) {
  const Box& a = around;
  const Box& s = q.screen;
  switch (side) {
    case 0:
      return {a.Right() + q.gap, s.top, s.Right() - a.Right() - q.gap, s.height};
    case 1:
      return {s.left, s.top, a.left - q.gap - s.left, s.height};
    case 2:
      return {s.left, a.Bottom() + q.gap, s.width, s.Bottom() - a.Bottom() - q.gap};
    default:
      return {s.left, s.top, s.width, a.top - q.gap - s.top};
  }
}

// The window in that room, as near the anchor as it goes: level with its
// top beside, centred on it above or below.
std::optional<Box> FitOnSide(const BesideRequest& q, const Box& around, int side) {
  const Box room = RoomOnSide(q, around, side);
  const int width = std::min(q.width, room.width), height = std::min(q.height, room.height);
  if (width < q.minWidth || height < q.minHeight || width <= 0 || height <= 0) return std::nullopt;
  const Box& a = q.anchor;
  Box box{0, 0, width, height};
  if (side <= 1) {
    box.left = side == 0 ? room.left : room.Right() - width;
    box.top = Clamp(a.top, room.top, room.Bottom() - height);
  } else {
    box.top = side == 2 ? room.top : room.Bottom() - height;
    box.left = Clamp(a.left + (a.width - width) / 2, room.left, room.Right() - width);
  }
  return box;
}

bool LeavesFree(const BesideRequest& q, const Box& box) {
  return !box.Overlaps(q.anchor) &&
         std::none_of(q.keepFree.begin(), q.keepFree.end(), [&](const Box& k) { return box.Overlaps(k); });
}

bool WholeAndFree(const BesideRequest& q, const std::optional<Box>& fit) {
  return fit && fit->width == q.width && fit->height == q.height && LeavesFree(q, *fit);
}

}  // namespace

bool Box::Overlaps(const Box& o) const {
  return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
}

Box PlaceBeside(const BesideRequest& q) {
  std::array<std::optional<Box>, 4> fits;
  for (int side = 0; side < 4; ++side)
    fits[side] = FitOnSide(q, q.anchor, side);
  for (const auto& fit : fits)
    if (WholeAndFree(q, fit)) return *fit;
  // Past a window to be left free, still level with the anchor.
  for (const Box& k : q.keepFree)
    for (int side = 0; side < 4; ++side)
      if (const auto fit = FitOnSide(q, k, side); WholeAndFree(q, fit)) return *fit;
  std::optional<Box> best;
  for (const auto& fit : fits)
    if (fit && (!best || fit->width * fit->height > best->width * best->height)) best = fit;
  if (best) return *best;
  const Box& s = q.screen;
  return {Clamp(q.anchor.Right() + q.gap, s.left, s.Right() - q.width),
          Clamp(q.anchor.top, s.top, s.Bottom() - q.height), q.width, q.height};
}

}  // namespace zunpa::ui
