#include "ui_logic/card_motion.h"

#include <algorithm>
#include <cmath>

#include "ui_logic/hit_test.h"

namespace zunpa::ui {

double EaseOutCubic(double t) {
  const double rest = 1 - std::clamp(t, 0.0, 1.0);
  return 1 - rest * rest * rest;
}

void CardMotion::Take(const Cards& cards, double now, bool slide) {
  for (int i = 0; i < kCardsInPack; ++i) {
    if (!slide || !taken_ || !cards[i].visible) {
      slides_[i].active = false;
      continue;
    }
    Retarget(i, cards[i], now);
  }
  targets_ = cards;
  taken_ = true;
}

// A card keeps a slide that still heads for its place; one sent elsewhere
// sets off again from where it shows, so it never jumps.
void CardMotion::Retarget(int index, const CardPicture& next, double now) {
  const CardPicture& before = targets_[index];
  if (before.visible && before.left == next.left && before.top == next.top) return;
  const ShownCard from = before.visible ? Shown(index, now) : ShownCard{true, false, kStockLeft, kStockTop, false};
  const bool away = from.left != next.left || from.top != next.top;
  slides_[index] = {away, from.faceUp, from.left, from.top, now};
}

ShownCard CardMotion::Shown(int index, double now) const {
  const CardPicture& card = targets_[index];
  const Slide& slide = slides_[index];
  if (!card.visible) return {};
  if (!Runs(slide, now)) return {true, card.faceUp, card.left, card.top, false};
  const double e = EaseOutCubic((now - slide.start) / slideMilliseconds_);
  const auto along = [e](int from, int to) { return from + int(std::lround((to - from) * e)); };
  return {true, slide.fromFaceUp, along(slide.fromLeft, card.left), along(slide.fromTop, card.top), true};
}

bool CardMotion::Moving(double now) const {
  return std::any_of(slides_.begin(), slides_.end(), [&](const Slide& s) { return Runs(s, now); });
}

bool CardMotion::Settle(double now) {
  bool left = false;
  for (Slide& slide : slides_) {
    slide.active = Runs(slide, now);
    left = left || slide.active;
  }
  return left;
}

void CardMotion::Finish() {
  for (Slide& slide : slides_)
    slide.active = false;
}

std::optional<TwipsRect> CardMotion::SlideBounds() const {
  std::optional<TwipsRect> bounds;
  for (int i = 0; i < kCardsInPack; ++i) {
    const Slide& slide = slides_[i];
    if (!slide.active) continue;
    const CardPicture& to = targets_[i];
    const TwipsRect path{std::min(slide.fromLeft, to.left), std::min(slide.fromTop, to.top),
                         std::max(slide.fromLeft, to.left) + kPictureWidth,
                         std::max(slide.fromTop, to.top) + kPictureHeight};
    if (!bounds) {
      bounds = path;
      continue;
    }
    bounds = TwipsRect{std::min(bounds->left, path.left), std::min(bounds->top, path.top),
                       std::max(bounds->right, path.right), std::max(bounds->bottom, path.bottom)};
  }
  return bounds;
}

}  // namespace zunpa::ui
