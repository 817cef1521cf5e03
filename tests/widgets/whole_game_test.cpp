// The real main window, offscreen, played as a person would: a whole game
// at the fastest speed by clicking cards and "めくる", every question and
// dialog answered with its default; then a game saved in round 5 and
// continued in a new window.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "table/main_window.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::testing::PlayUntil;
using zunpa::testing::UserToMove;

namespace {

QStringList LabelTexts(QWidget* dialog, const QString& prefix) {
  QStringList texts;
  for (int i = 0; i < 4; ++i) {
    auto* label = dialog->findChild<QLabel*>(prefix + QString::number(i));
    if (!label) label = dialog->findChild<QLabel*>(prefix + "_" + QString::number(i));
    texts << (label ? label->text() : QString());
  }
  return texts;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WholeGameTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void aWholeGameAtTheFastestSpeed();
  void aGameSavedInRoundFiveContinuesInANewWindow();
};

void WholeGameTest::aWholeGameAtTheFastestSpeed() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  // A cleared high-score table: any final total of a real game enters it.
  QFile cleared(QDir(folder).filePath("score.dat"));
  QVERIFY(cleared.open(QIODevice::WriteOnly));
  for (int row = 0; row < 10; ++row)
    cleared.write("\"10000,,4\x88\xca,98/01/01\"\r\n");
  cleared.close();
  MainWindow window(folder);
  window.show();
  window.StartUp();
  zunpa::testing::ModalAnswerer answerer;
  QStringList names, points;
  answerer.OnDialog([&](QWidget* dialog) {
    if (dialog->objectName() != "frmRESULT") return;
    names = LabelTexts(dialog, "lblNAME");
    points = LabelTexts(dialog, "lblPOINT");
  });
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
  const zunpa::Game& game = window.session().game();
  QVERIFY(PlayUntil(window, [&] { return !points.isEmpty() && !window.session().Busy(); }));

  QCOMPARE(game.display.sheet.Cell(4, 20).caption.empty(), false);
  QVERIFY(answerer.dialogs().contains("frmPLSEL"));
  QCOMPARE(answerer.dialogs().count("frmTEN"), 20);
  QVERIFY(answerer.dialogs().contains("frmINPUT"));
  // The standings name every seat once, best total first, with the total
  // the score sheet shows after round 20.
  for (int seat = 1; seat <= zunpa::kSeats; ++seat) {
    const int place = int(names.indexOf(QString::fromStdString(game.seats.playing[seat - 1])));
    QVERIFY2(place >= 0, qPrintable(names.join(",")));
    QCOMPARE(points[place], QString::fromStdString(game.display.sheet.Cell(seat, 20).caption));
  }
  for (int k = 1; k < 4; ++k)
    QVERIFY(points[k - 1].toInt() <= points[k].toInt());

  const QByteArray scores = Contents(QDir(folder).filePath("score.dat"));
  QVERIFY(scores.contains(QByteArray::fromStdString(game.display.sheet.Cell(4, 20).caption)));
  QCOMPARE(Contents(QDir(folder).filePath("Save.txt")).count("\r\n"), 7);
  QVERIFY(!window.action("mneSAVE")->isEnabled());
  window.close();
}

void WholeGameTest::aGameSavedInRoundFiveContinuesInANewWindow() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  zunpa::testing::ModalAnswerer answerer;
  std::array<int, zunpa::kSeats> totals{};
  zunpa::ScoreSheet sheet;
  std::array<std::string, zunpa::kSeats> seats;
  {
    MainWindow window(folder);
    window.show();
    window.StartUp();
    QVERIFY(!window.action("mneCONTINUE")->isEnabled());
    window.action("flgSOKUDO0")->trigger();
    window.action("mneNEW")->trigger();
    const zunpa::Game& game = window.session().game();
    QVERIFY(PlayUntil(window, [&] { return game.round.RoundNo == 5 && UserToMove(window); }));
    QVERIFY(window.action("mneSAVE")->isEnabled());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(QDir(folder).filePath("SaveData.txt")));
    totals = game.scores.TotalPoints;
    sheet = game.display.sheet;
    seats = game.seats.playing;
    window.close();
  }
  MainWindow again(folder);
  again.show();
  again.StartUp();
  QVERIFY(again.action("mneCONTINUE")->isEnabled());
  again.action("mneCONTINUE")->trigger();
  const zunpa::Game& game = again.session().game();
  QTRY_COMPARE_WITH_TIMEOUT(game.round.RoundNo, 5, 10000);
  QCOMPARE(game.scores.TotalPoints, totals);
  QCOMPARE(game.seats.playing, seats);
  for (int seat = 1; seat <= zunpa::kSeats; ++seat)
    for (int round = 0; round <= 21; ++round)
      QVERIFY(game.display.sheet.Cell(seat, round) == sheet.Cell(seat, round));
  again.close();
}

QTEST_MAIN(WholeGameTest)
#include "whole_game_test.moc"
