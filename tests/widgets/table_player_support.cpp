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

// Every card of the hand takes clicks; the rules refuse the ones that
// do not fit. A card is clicked on the part of it that shows: its left
// edge, where the next card of the row does not cover it.
void MakeTheUsersMove(qt::MainWindow& window) {
  const Game& game = window.session().game();
  const RoundState& r = game.round;
  const int shows = HandStep(r.HandOf(4).size());
  for (int code : r.HandOf(4)) {
    if (SuitOfCode(code) != r.PileSuit && RankOfCode(code) != r.PileRank) continue;
    const CardPicture& card = game.display.Card(SuitOfCode(code), RankOfCode(code));
    const QPoint at = window.table().transform().ToPixels(card.left + shows / 2, card.top + 480).toPoint();
    QTest::mouseClick(&window.table(), Qt::LeftButton, {}, at);
    return;
  }
  if (game.display.drawButtonEnabled) QTest::mouseClick(window.table().drawButton(), Qt::LeftButton);
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
