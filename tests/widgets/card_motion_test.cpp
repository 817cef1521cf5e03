// Cards in motion on the table: a drawn and a played card slide to where
// the rules put them, a new deal mid-slide or a modal window leaves nothing
// behind, nothing moves at the fastest speed or with the option off, and
// the option is kept in the per-user store. A long hand shows and takes
// clicks on every card.

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "flow/play_card.h"
#include "platform/user_store.h"
#include "rules/deal.h"
#include "rules/draw.h"
#include "rules/silent_host.h"
#include "rules/table_display.h"
#include "table/balloon.h"
#include "table/main_window.h"
#include "table/qt_host.h"
#include "table/table_transform.h"
#include "table/table_widget.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::Game;
using zunpa::kCardsInPack;
using zunpa::qt::MainWindow;
using zunpa::qt::TableWidget;

namespace {

// Passes every change of the table on, as the window's host does.
class TableHost : public zunpa::SilentHost {
 public:
  TableWidget* table = nullptr;
  void DisplayChanged() override {
    if (table) table->Sync();
  }
};

// Slides long enough that a loaded machine still sees them under way.
constexpr double kSlowSlide = 1000;

// A table on the screen at one and a half times its layout size, with a
// seeded game.
struct Table {
  Table() {
    widget.SetProgramFolder(ZUNPA_PROGRAM_DIR);
    widget.resize(zunpa::qt::TableTransform::LayoutPixels(zunpa::qt::kTableTwips) * 3 / 2);
    widget.cardMotion().AllowOffscreen(true);
    widget.cardMotion().SetSlideMilliseconds(kSlowSlide);
    game.options.CardSound = game.options.Sound = false;
    game.random.Seed(20261209);
    widget.SetGame(game);
    host.table = &widget;
    widget.show();
  }
  void Deal() {
    zunpa::ResetTable(game);
    zunpa::ShuffleAndDeal(game);
    zunpa::TurnUpOpeningCard(game);
  }
  // The pile asks for the suit of the user's first card, and the user
  // plays it.
  int PlayTheUsersFirstCard() {
    zunpa::RoundState& r = game.round;
    const int code = r.HandOf(4)[0];
    r.PileSuit = r.SelSuit = zunpa::SuitOfCode(code);
    r.SelRank = zunpa::RankOfCode(code);
    r.CurrentSeat = 4;
    zunpa::PlayCard(game);
    return code;
  }
  int DrawForTheUser() {
    zunpa::DrawCard(game, 3);
    return zunpa::CodeOf(game.round.DrawnSuit, game.round.DrawnRank);
  }
  zunpa::ui::ShownCard Shown(int code) const {
    return widget.cardMotion().Frame()[zunpa::PictureIndex(zunpa::SuitOfCode(code), zunpa::RankOfCode(code))];
  }
  const zunpa::CardPicture& Model(int code) const {
    return game.display.cards[zunpa::PictureIndex(zunpa::SuitOfCode(code), zunpa::RankOfCode(code))];
  }
  bool Moving() const { return widget.cardMotion().Moving(); }
  // The slides have ended and their last frame is painted.
  bool Still() const { return !widget.cardMotion().Ticking(); }

  TableHost host;
  Game game{host};
  TableWidget widget;
};

// Every card shows exactly where and as the rules have it, hidden ones
// not at all.
bool AllAtRest(const zunpa::qt::CardAnimator& motion, const zunpa::DisplayModel& display) {
  const auto frame = motion.Frame();
  for (int i = 0; i < kCardsInPack; ++i) {
    const zunpa::CardPicture& c = display.cards[i];
    const zunpa::ui::ShownCard rest{c.visible, c.faceUp, c.left, c.top, false};
    if (c.visible ? frame[i] != rest : frame[i].visible) return false;
  }
  return true;
}

bool AllAtRest(const Table& t) {
  return AllAtRest(t.widget.cardMotion(), t.game.display);
}

// What the window last put on the screen, frame by frame, against the
// table drawn afresh: a stale piece of a slide shows as a difference.
bool ScreenShowsTheTable(TableWidget& widget) {
  QApplication::processEvents();
  const QImage onScreen = widget.screen()->grabWindow(widget.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  const QImage afresh = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  return onScreen.size() == afresh.size() && onScreen == afresh;
}

}  // namespace

class CardMotionTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void init() { QSettings("ZunpaS", "ZunpaS").remove("View"); }
  void aDrawnAndAPlayedCardSlideToTheRulesPlaces();
  void aNewDealMidSlideLeavesEveryCardWhereTheRulesSay();
  void aModalWindowEndsTheSlidesUnderIt();
  void atTheFastestSpeedOrOffTheScreenNothingMoves();
  void theMenuItemTurnsTheMotionOffAndIsKept();
  void aHandOfTwentyShowsEveryCardAndTakesItsClick();
  void cardsHaveLandedBeforeABalloonOrTheUsersMove();
};

void CardMotionTest::initTestCase() {
  QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
}

void CardMotionTest::aDrawnAndAPlayedCardSlideToTheRulesPlaces() {
  Table t;
  QVERIFY(QTest::qWaitForWindowExposed(&t.widget));
  t.Deal();
  QVERIFY(t.Moving());  // dealt from the stock
  QTRY_VERIFY_WITH_TIMEOUT(t.Still(), 10000);
  QVERIFY(AllAtRest(t));

  const int drawn = t.DrawForTheUser();
  const zunpa::ui::ShownCard leaving = t.Shown(drawn);
  // On its way from the stock down to the user's row, however late this
  // looks; it turns over in the hand.
  QVERIFY(leaving.moving);
  QVERIFY(leaving.top >= zunpa::kStockTop && leaving.top <= zunpa::kRowTop[3]);
  QVERIFY(!leaving.faceUp);
  QTRY_VERIFY_WITH_TIMEOUT(t.Still(), 10000);
  QVERIFY(AllAtRest(t));
  QCOMPARE(t.Shown(drawn).top, zunpa::kRowTop[3]);
  QVERIFY(t.Shown(drawn).faceUp);
  QVERIFY(ScreenShowsTheTable(t.widget));

  const int played = t.PlayTheUsersFirstCard();
  const zunpa::ui::ShownCard rising = t.Shown(played);
  QVERIFY(rising.moving);
  QVERIFY(rising.top >= zunpa::kPileTop && rising.top <= zunpa::kRowTop[3]);
  const int paints = t.widget.paints();
  QTRY_VERIFY_WITH_TIMEOUT(t.Still(), 10000);
  QVERIFY(t.widget.paints() > paints + 2);  // frames, not a jump
  QVERIFY(AllAtRest(t));
  QCOMPARE(t.Shown(played).left, zunpa::kPileLeft);
  QCOMPARE(t.Shown(played).top, zunpa::kPileTop);
  QVERIFY(ScreenShowsTheTable(t.widget));
}

void CardMotionTest::aNewDealMidSlideLeavesEveryCardWhereTheRulesSay() {
  Table t;
  QVERIFY(QTest::qWaitForWindowExposed(&t.widget));
  t.Deal();
  QTRY_VERIFY_WITH_TIMEOUT(t.Still(), 10000);
  t.PlayTheUsersFirstCard();
  t.DrawForTheUser();
  QTest::qWait(60);
  QVERIFY(t.Moving());
  t.Deal();
  QTest::qWait(60);
  QVERIFY(t.Moving());
  // Mid-deal every card shown is one the rules show, at most once each.
  const auto frame = t.widget.cardMotion().Frame();
  for (int i = 0; i < kCardsInPack; ++i)
    QCOMPARE(frame[i].visible, t.game.display.cards[i].visible);
  QTRY_VERIFY_WITH_TIMEOUT(t.Still(), 10000);
  QVERIFY(AllAtRest(t));
  QVERIFY(ScreenShowsTheTable(t.widget));

  // Turned off mid-slide, the cards are at their places at once.
  t.DrawForTheUser();
  QVERIFY(t.Moving());
  t.widget.cardMotion().SetWanted(false);
  QVERIFY(!t.Moving());
  QVERIFY(AllAtRest(t));
  QVERIFY(ScreenShowsTheTable(t.widget));
}

void CardMotionTest::aModalWindowEndsTheSlidesUnderIt() {
  Table t;
  QVERIFY(QTest::qWaitForWindowExposed(&t.widget));
  t.Deal();
  QVERIFY(t.Moving());
  bool atRestUnderTheBox = false;
  QTimer::singleShot(60, [&] {
    atRestUnderTheBox = AllAtRest(t) && t.Still() && ScreenShowsTheTable(t.widget);
    QApplication::activeModalWidget()->close();
  });
  QMessageBox box(QMessageBox::Information, "ズンパＳ", "山札がなくなったのでシャッフルします");
  box.exec();
  QVERIFY(atRestUnderTheBox);
}

void CardMotionTest::atTheFastestSpeedOrOffTheScreenNothingMoves() {
  Table t;
  t.game.options.SpeedIndex = 0;
  t.Deal();
  QVERIFY(!t.Moving());
  t.game.options.SpeedIndex = 2;
  // Off the screen the cards keep still unless a test asks otherwise.
  if (QGuiApplication::platformName() == "offscreen") {
    t.widget.cardMotion().AllowOffscreen(false);
    t.DrawForTheUser();
    QVERIFY(!t.Moving());
    QVERIFY(AllAtRest(t));
    t.widget.cardMotion().AllowOffscreen(true);
  }
  t.DrawForTheUser();
  QVERIFY(t.Moving());
}

void CardMotionTest::theMenuItemTurnsTheMotionOffAndIsKept() {
  QTemporaryDir dir;
  {
    MainWindow window(zunpa::testing::MakeProgramFolder(dir));
    zunpa::testing::ModalAnswerer answerer;
    QAction* item = window.action("mneMOTION");
    zunpa::qt::CardAnimator& motion = window.table().cardMotion();
    const zunpa::DisplayModel& display = window.session().game().display;
    motion.AllowOffscreen(true);
    motion.SetSlideMilliseconds(kSlowSlide);
    QVERIFY(item->isChecked());
    window.show();
    window.StartUp();
    // A numbered game, so that every run sees the same deal: the user's
    // first card must slide rather than open a dialog, which lands it.
    answerer.OnDialog([](QWidget* dialog) {
      if (dialog->objectName() == "frmNUMBER") dialog->findChild<QLineEdit*>("txtNUMBER")->setText("2");
    });
    window.action("flgSOKUDO0")->trigger();
    window.action("mneNEWNUM")->trigger();
    answerer.OnDialog({});
    QVERIFY(zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); }));
    QVERIFY(!motion.Moving());  // dealt and played at 特急
    window.action("flgSOKUDO1")->trigger();
    zunpa::testing::MakeTheUsersMove(window);
    QVERIFY(motion.Moving());
    QTRY_VERIFY_WITH_TIMEOUT(!motion.Ticking(), 10000);
    QVERIFY(AllAtRest(motion, display));

    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!zunpa::qt::CardMotionSetting());
    QVERIFY(zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); }));
    zunpa::testing::MakeTheUsersMove(window);
    QVERIFY(!motion.Moving());
    QVERIFY(AllAtRest(motion, display));
    window.close();
  }
  // The next window starts as the last one was left.
  MainWindow again(zunpa::testing::MakeProgramFolder(dir));
  QVERIFY(!again.action("mneMOTION")->isChecked());
  QVERIFY(!again.table().cardMotion().wanted());
  again.action("mneMOTION")->trigger();
  QVERIFY(again.action("mneMOTION")->isChecked());
  QVERIFY(zunpa::qt::CardMotionSetting());
}

void CardMotionTest::aHandOfTwentyShowsEveryCardAndTakesItsClick() {
  Table t;
  t.widget.cardMotion().SetWanted(false);
  t.Deal();
  for (int n = 0; n < 15; ++n)
    t.DrawForTheUser();
  zunpa::UnlockHumanInput(t.game);
  std::vector<int> hand(t.game.round.HandOf(4).begin(), t.game.round.HandOf(4).end());
  QCOMPARE(hand.size(), std::size_t(20));
  const QRect felt = t.widget.transform().ToPixels(0, 0, zunpa::kTableWidth, zunpa::qt::kTableTwips.height());
  QSignalSpy clicks(&t.widget, &TableWidget::CardClicked);
  for (std::size_t k = 0; k < hand.size(); ++k) {
    const zunpa::CardPicture& card = t.Model(hand[k]);
    QVERIFY(felt.contains(t.widget.transform().ToPixels(card.left, card.top, zunpa::kCardWidth, 960)));
    // The middle of the part of it that shows.
    const int right = k + 1 < hand.size() ? t.Model(hand[k + 1]).left : card.left + zunpa::kCardWidth;
    const QPoint at = t.widget.transform().ToPixels((card.left + right) / 2, card.top + 480).toPoint();
    QTest::mouseClick(&t.widget, Qt::LeftButton, {}, at);
    QCOMPARE(clicks.size(), int(k) + 1);
    QCOMPARE(clicks.last().value(0).toInt() * 100 + clicks.last().value(1).toInt(), hand[k]);
  }
}

// Counts the balloons that show while a card is still on its way.
class BalloonWatch : public QObject {
 public:
  BalloonWatch(MainWindow& window) : window_(window) { window.host().balloon()->installEventFilter(this); }
  int shown = 0, overAMovingCard = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    ++shown;
    if (window_.table().cardMotion().Moving()) ++overAMovingCard;
    return false;
  }

 private:
  MainWindow& window_;
};

void CardMotionTest::cardsHaveLandedBeforeABalloonOrTheUsersMove() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.table().cardMotion().AllowOffscreen(true);
  window.show();
  window.StartUp();
  window.action("flgSOKUDO1")->trigger();
  BalloonWatch balloons(window);
  int usersMoves = 0, movingAtTheUsersMove = 0;
  window.action("mneNEW")->trigger();
  QVERIFY(zunpa::testing::PlayUntil(window, [&] {
    if (zunpa::testing::UserToMove(window)) {
      ++usersMoves;
      if (window.table().cardMotion().Moving()) ++movingAtTheUsersMove;
    }
    return balloons.shown >= 2 && usersMoves >= 4;
  }));
  QCOMPARE(balloons.overAMovingCard, 0);
  QCOMPARE(movingAtTheUsersMove, 0);
  window.close();
}

QTEST_MAIN(CardMotionTest)
#include "card_motion_test.moc"
