// The real window on a real accessibility bus, read from outside the
// process as a screen reader reads it: the user's cards, the pile, the
// stock, each seat and "めくる" carry their names, no face-down card is
// named anywhere, and the focus ring is the focus the reader follows.
// Run by run_on_desktop.sh on an X server with the accessibility bus.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "table/main_window.h"
#include "table/table_widget.h"
#include "ui_logic/card_name.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;

namespace {

QStringList warnings;

void KeepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg) warnings << message;
  fprintf(stderr, "%s\n", qPrintable(message));
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The reader runs while this process answers its questions: the wait
// lets the events through.
class Reader {
 public:
  explicit Reader(const QStringList& arguments) {
    process_.start("/usr/bin/python3", QStringList{ZUNPA_READER} + arguments);
  }
  ~Reader() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  // Lines so far; waits (bounded) until `count` have come or it ended.
  QStringList Lines(int count, int ms) {
    (void)QTest::qWaitFor(
        [&] {
          Take();
          return lines_.size() >= count || process_.state() == QProcess::NotRunning;
        },
        ms);
    Take();
    return lines_;
  }
  QString Errors() { return process_.readAllStandardError(); }

 private:
  void Take() {
    while (process_.canReadLine())
      lines_ << QString::fromUtf8(process_.readLine()).trimmed();
  }
  QProcess process_;
  QStringList lines_;
};

QJsonObject Node(const QString& line) {
  return QJsonDocument::fromJson(line.toUtf8()).object();
}

}  // namespace

class ScreenReaderTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
    QApplication::setApplicationName("ZunpaS");
    qInstallMessageHandler(KeepWarnings);
  }
  void aReaderOutsideHearsWhatTheTableShows();
};

void ScreenReaderTest::aReaderOutsideHearsWhatTheTableShows() {
  // The bridge finds the bus as the events run.
  QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
  QTemporaryDir dir;
  // The process's first table: its interface is made as the table is.
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(zunpa::testing::UserToMove(window), 60000);
  const zunpa::Game& game = window.session().game();

  Reader tree({"tree"});
  QStringList names, everything;
  const QStringList lines = tree.Lines(100000, 60000);
  for (const QString& line : lines) {
    const QJsonObject node = Node(line);
    names << node["name"].toString();
    everything << node["name"].toString() << node["description"].toString();
  }
  QVERIFY2(names.size() > 50, qPrintable(tree.Errors()));
  for (int code : game.round.HandOf(4))
    QVERIFY2(names.contains(Q(zunpa::ui::CardName(code))), qPrintable(names.join('|')));
  const int top = zunpa::CodeOf(game.round.TopPrintedSuit(), game.round.PileRank);
  QVERIFY2(names.contains("場札 " + Q(zunpa::ui::CardName(top))), qPrintable(names.join('|')));
  QVERIFY(names.contains(Q(game.display.stockCounter)));
  QVERIFY(names.contains("めくる"));
  for (int seat = 1; seat <= zunpa::kSeats; ++seat) {
    const zunpa::SeatPanel& panel = game.display.seats[seat - 1];
    QVERIFY2(names.contains(Q(panel.name) + " 現在得点 " + Q(panel.total)), qPrintable(names.join('|')));
    if (seat < zunpa::kSeats) {
      const QString hand = Q(panel.name) + "の手札 " + QString::number(game.round.HandOf(seat).size()) + "枚";
      QVERIFY2(names.contains(hand), qPrintable(hand));
    }
  }
  for (int seat = 1; seat < zunpa::kSeats; ++seat)
    for (int code : game.round.HandOf(seat))
      for (const QString& said : everything)
        QVERIFY2(!said.contains(Q(zunpa::ui::CardName(code))), qPrintable(said));

  // The ring moves three stops; the reader hears each as the focus.
  Reader focus({"focus", "10"});
  QCOMPARE(focus.Lines(1, 20000).value(0), QString("ready"));
  QStringList ring;
  for (int key = 0; key < 3; ++key) {
    QTest::keyClick(&window.table(), Qt::Key_Right);
    QTest::qWait(300);
    QVERIFY(window.table().focusShown());
    const zunpa::ui::FocusStop stop = *window.table().focusStop();
    ring << (stop.draw ? QString("めくる") : Q(zunpa::ui::CardName(stop.code)));
  }
  QStringList heard;
  for (const QString& line : focus.Lines(1 + 3, 10000).mid(1))
    heard << Node(line)["name"].toString();
  QVERIFY2(heard.size() >= 3 && heard.mid(heard.size() - 3) == ring,
           qPrintable(heard.join('|') + " / " + ring.join('|')));

  window.close();
  for (const QString& warning : warnings)
    QVERIFY2(!warning.contains("Cannot create accessible"), qPrintable(warning));
}

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
