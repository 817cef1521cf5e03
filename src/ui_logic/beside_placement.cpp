#include "ui_logic/beside_placement.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace zunpa::ui {

bool Box::Overlaps(const Box& o) const {
  return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
}

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

std::optional<Box> Largest(const std::vector<std::optional<Box>>& fits, const std::function<bool(const Box&)>& ok) {
  std::optional<Box> best;
  for (const auto& fit : fits)
    if (fit && ok(*fit) && (!best || fit->width * fit->height > best->width * best->height)) best = fit;
  return best;
}

}  // namespace

Box PlaceBeside(const BesideRequest& q) {
  // The anchor's four sides first, then those of each window kept free.
  std::vector<std::optional<Box>> fits;
  for (int side = 0; side < 4; ++side)
    fits.push_back(FitOnSide(q, q.anchor, side));
  for (const Box& k : q.keepFree)
    for (int side = 0; side < 4; ++side)
      fits.push_back(FitOnSide(q, k, side));
  for (const auto& fit : fits)
    if (fit && fit->width == q.width && fit->height == q.height && LeavesFree(q, *fit)) return *fit;
  if (auto best = Largest(fits, [&](const Box& b) { return LeavesFree(q, b); })) return *best;
  if (auto best = Largest(fits, [&](const Box& b) { return !b.Overlaps(q.anchor); })) return *best;
  const Box& s = q.screen;
  return {Clamp(q.anchor.Right() + q.gap, s.left, s.Right() - q.width),
          Clamp(q.anchor.top, s.top, s.Bottom() - q.height), q.width, q.height};
}

std::optional<Box> PlaceOutsideBottomCorner(const Box& anchor, const Box& screen, int width, int height) {
  if (height > screen.height) return std::nullopt;
  const int top = Clamp(anchor.Bottom() - height, screen.top, screen.Bottom() - height);
  if (anchor.Right() + width <= screen.Right()) return Box{anchor.Right(), top, width, height};
  if (anchor.left - width >= screen.left) return Box{anchor.left - width, top, width, height};
  return std::nullopt;
}

}  // namespace zunpa::ui
