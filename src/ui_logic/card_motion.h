#pragma once
// Cards in motion, decided without a window: given the card pictures the
// table showed and the ones the rules have just set, which cards slide,
// from where to where, and where each card shows at a given moment. Times
// are milliseconds on any steady clock.

#include <array>
#include <optional>

#include "rules/cards.h"
#include "rules/display_model.h"

namespace zunpa::ui {

constexpr double kSlideMilliseconds = 200;

// Quick to leave, gentle to arrive: 0 up to t = 0, 1 from t = 1 on.
double EaseOutCubic(double t);

// How one card shows at a moment of its slide.
struct ShownCard {
  bool visible = false;
  bool faceUp = false;
  int left = 0, top = 0;
  bool moving = false;
  friend bool operator==(const ShownCard&, const ShownCard&) = default;
};

// A rectangle of the table in twips, right and bottom exclusive.
struct TwipsRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

class CardMotion {
 public:
  using Cards = std::array<CardPicture, kCardsInPack>;
  // How long a slide takes; running slides follow at once.
  void SetSlideMilliseconds(double milliseconds) { slideMilliseconds_ = milliseconds; }
  double SlideMilliseconds() const { return slideMilliseconds_; }

  // The rules' cards at `now`. A card whose place changed slides there from
  // where it shows at this moment, mid-slide or at rest; a card that comes
  // into view comes off the stock. Without `slide` every card shows at
  // once where the rules put it. The first cards taken are shown as they
  // are: nothing was on the table before them.
  void Take(const Cards& cards, double now, bool slide);
  // Card `index` (PictureIndex) at `now`: until its slide ends it keeps the
  // face it left with, so a card turns over as it arrives.
  ShownCard Shown(int index, double now) const;
  // Whether any card is still on its way at `now`.
  bool Moving(double now) const;
  // Forgets the slides that have ended by `now`; false when none is left.
  bool Settle(double now);
  // Every card at its place at once.
  void Finish();
  // All that the slides not yet settled cover, from start to end, with
  // their pictures' size: what a frame has to repaint.
  std::optional<TwipsRect> SlideBounds() const;

 private:
  struct Slide {
    bool active = false;
    bool fromFaceUp = false;
    int fromLeft = 0, fromTop = 0;
    double start = 0;
  };
  void Retarget(int index, const CardPicture& next, double now);
  bool Runs(const Slide& slide, double now) const { return slide.active && now < slide.start + slideMilliseconds_; }

  double slideMilliseconds_ = kSlideMilliseconds;
  Cards targets_{};  // the rules' cards last taken
  std::array<Slide, kCardsInPack> slides_{};
  bool taken_ = false;
};

}  // namespace zunpa::ui
