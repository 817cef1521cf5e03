#include "table/card_animator.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zunpa::qt {

CardAnimator::CardAnimator(QWidget& table, Repaint repaint)
    : table_(table), repaint_(std::move(repaint)), offscreen_(QGuiApplication::platformName() == "offscreen") {
  clock_.start();
  frames_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frames_, &QTimer::timeout, &frames_, [this] { Tick(); });
}

void CardAnimator::SetWanted(bool on) {
  wanted_ = on;
  if (!on) Finish();
}

bool CardAnimator::On(int speedIndex) const {
  return wanted_ && speedIndex != 0 && (!offscreen_ || offscreenAllowed_);
}

double CardAnimator::Now() const {
  return double(clock_.nsecsElapsed()) / 1e6;
}

void CardAnimator::Take(const ui::CardMotion::Cards& cards, int speedIndex) {
  const double now = Now();
  plan_.Take(cards, now, On(speedIndex));
  if (plan_.Settle(now))
    StartFrames();
  else
    frames_.stop();
}

// One frame per refresh of the screen the table is on.
void CardAnimator::StartFrames() {
  if (frames_.isActive()) return;
  const QScreen* screen = table_.screen();
  const double hertz = std::clamp(screen ? screen->refreshRate() : 60.0, 30.0, 240.0);
  frames_.start(std::max(1, int(1000 / hertz)));
}

std::array<ui::ShownCard, kCardsInPack> CardAnimator::Frame() const {
  const double now = Now();
  std::array<ui::ShownCard, kCardsInPack> frame;
  for (int i = 0; i < kCardsInPack; ++i)
    frame[i] = plan_.Shown(i, now);
  return frame;
}

void CardAnimator::Finish() {
  const bool wasMoving = plan_.SlideBounds().has_value();
  plan_.Finish();
  frames_.stop();
  if (wasMoving) repaint_(std::nullopt);
}

void CardAnimator::Land() {
  if (frames_.isActive()) {
    QEventLoop loop;
    // The frame that settles the last card stops the frames.
    QObject::connect(&frames_, &QTimer::timeout, &loop, [&] {
      if (!frames_.isActive()) loop.quit();
    });
    QTimer::singleShot(int(plan_.SlideMilliseconds()) + 100, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  Finish();
}

// A modal window or a hidden table ends the slides at once: whatever
// comes up next, the table under it shows where the cards are.
void CardAnimator::Tick() {
  if (QApplication::activeModalWidget() || !table_.isVisible()) return Finish();
  const std::optional<ui::TwipsRect> area = plan_.SlideBounds();
  if (!plan_.Settle(Now())) frames_.stop();
  if (area) repaint_(area);
}

}  // namespace zunpa::qt
