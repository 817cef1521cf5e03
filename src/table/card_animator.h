#pragma once
// Slides the table's cards from where they showed to where the rules have
// put them, within the pause the game takes anyway; only a sound, a
// balloon or a question waits for a card to arrive first. A frame timer
// runs only while a card is on its way.

#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "ui_logic/card_motion.h"

class QWidget;

namespace zunpa::qt {

class CardAnimator {
 public:
  // `repaint` gets the part of the table a frame changed, in twips, or
  // nothing when all of it may have.
  using Repaint = std::function<void(std::optional<ui::TwipsRect>)>;
  CardAnimator(QWidget& table, Repaint repaint);

  // The player's choice; on unless turned off.
  void SetWanted(bool on);
  bool wanted() const { return wanted_; }
  // Cards keep still on the offscreen platform unless this allows them.
  void AllowOffscreen(bool allow) { offscreenAllowed_ = allow; }
  // Slower slides, for a test to watch them under any load.
  void SetSlideMilliseconds(double milliseconds) { plan_.SetSlideMilliseconds(milliseconds); }
  // Whether cards slide at this speed index: never at the fastest.
  bool On(int speedIndex) const;

  // The rules' cards have changed: the ones that moved set off.
  void Take(const ui::CardMotion::Cards& cards, int speedIndex);
  // Every card as this frame shows it.
  std::array<ui::ShownCard, kCardsInPack> Frame() const;
  bool Moving() const { return plan_.Moving(Now()); }
  // Whether the frame timer runs: from a slide's start to its last frame.
  bool Ticking() const { return frames_.isActive(); }
  // Every card at its place at once.
  void Finish();
  // Lets the cards on their way arrive, user input held back; what waits
  // next (a sound, a balloon, a question) then shows them where they lie.
  void Land();

 private:
  void Tick();
  double Now() const;
  void StartFrames();

  QWidget& table_;
  Repaint repaint_;
  ui::CardMotion plan_;
  QElapsedTimer clock_;
  QTimer frames_;
  bool wanted_ = true;
  bool offscreen_ = false;
  bool offscreenAllowed_ = false;
};

}  // namespace zunpa::qt
