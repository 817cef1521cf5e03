#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include "table/main_window.h"
#include "table/table_widget.h"
#include "widgets/table_player.h"

namespace zunpa::testing {

bool UserToMove(qt::MainWindow& window) {
  return !window.session().Busy() && window.session().game().flow.humanInputOpen;
}

// A card is clicked on the part of it that shows: its left edge, where
// the next card of the row does not cover it.
void MakeTheUsersMove(qt::MainWindow& window) {
  const DisplayModel& d = window.session().game().display;
  for (const CardPicture& card : d.cards) {
    if (!card.visible || !card.enabled) continue;
    const QPoint at = window.table().transform().ToPixels(card.left + 125, card.top + 480).toPoint();
    QTest::mouseClick(&window.table(), Qt::LeftButton, {}, at);
    return;
  }
  if (d.drawButtonEnabled) QTest::mouseClick(window.table().drawButton(), Qt::LeftButton);
}

bool PlayUntil(qt::MainWindow& window, const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 240000) return false;
    if (UserToMove(window)) MakeTheUsersMove(window);
    QTest::qWait(1);
  }
  return true;
}

}  // namespace zunpa::testing
