// Pictures of the game's windows for looking at: plays a game at the
// fastest speed and saves each window the first time it comes up, the
// table at moments worth seeing, the score chart in mid-game and after
// the whole game, and the table at 1× and 2×, at rest and with a card
// sliding.
// Usage: zunpa-shots <folder for the PNGs> [2 for a 2× screen]
// Under Xvfb (the xcb platform) the balloon is taken from the screen.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "analysis/yomi.h"
#include "dialogs/score_chart_widget.h"
#include "dialogs/score_chart_window.h"
#include "platform/japanese_font.h"
#include "table/balloon.h"
#include "table/main_window.h"
#include "table/qt_host.h"
#include "table/table_widget.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"

using zunpa::qt::MainWindow;

namespace {

class Shooter {
 public:
  explicit Shooter(QString folder) : folder_(std::move(folder)) {}
  void Save(const QString& name, const QPixmap& picture) {
    if (taken_.contains(name)) return;
    taken_.insert(name);
    picture.save(QDir(folder_).filePath(name + ".png"));
    std::printf("%s.png\n", qPrintable(name));
  }
  void Window(const QString& name, QWidget* window) { Save(name, window->grab()); }
  void Screen(const QString& name) {
    if (QGuiApplication::platformName() == "xcb") Save(name, QGuiApplication::primaryScreen()->grabWindow(0));
  }
  bool Has(const QString& name) const { return taken_.contains(name); }

 private:
  QString folder_;
  QSet<QString> taken_;
};

// Moments of the table: caught by a timer, since balloons and dialogs run
// the events inside a step.
void WatchTheTable(MainWindow& window, Shooter& shots, QTimer& watch) {
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const zunpa::Game& game = window.session().game();
    const zunpa::DisplayModel& d = game.display;
    if (window.host().balloon()->isVisible()) {
      shots.Screen("balloon-screen");
      if (game.round.ZunpaSeat1 != 0) {
        window.table().repaint();
        shots.Window("table-zunpa", &window);
        shots.Screen("zunpa-screen");
      }
    }
    for (const auto& marker : d.suitMarkers)
      if (marker.visible && zunpa::testing::UserToMove(window)) shots.Window("table-suit-marker", &window);
    if (game.round.RoundNo == 3 && zunpa::testing::UserToMove(window)) shots.Window("table-mid-round", &window);
  });
  watch.start(5);
}

// 経過 opened beside the table while a round's result is up, for one
// picture, then closed again.
// 経過 beside the table at a round's result, at 1× and 2×.
void ShootTheLog(MainWindow& window, Shooter& shots, const QString& name) {
  static QSet<QString> taken;  // the waits below let the answerer call again
  if (taken.contains(name)) return;
  taken.insert(name);
  QAction* log = window.action("mneLOG");
  log->trigger();
  QTest::qWait(50);
  shots.Window(name, &window);
  const QSize before = window.size();
  window.resize(before * 2);
  QTest::qWait(50);
  shots.Window(name + "-2x", &window);
  window.resize(before);
  log->trigger();
}

// The hint comes from 読み's thread a moment after it is asked for.
void ShowTheHint(MainWindow& window) {
  window.action("mneHINT")->trigger();
  for (int waited = 0; waited < 3000 && !window.table().hint(); waited += 10)
    QTest::qWait(10);
  window.table().repaint();
}

int ChoicesNow(const zunpa::Session& session) {
  std::array<zunpa::Choice, zunpa::Advice::kMost> choices{};
  return zunpa::ChoicesAt(session.AnalysisInput(), zunpa::Question::Move, choices);
}

void OpenFromTheMenu(MainWindow& window, const char* item) {
  window.action(item)->trigger();
}

// Slides 40 ms in, about half way along: the user's card on its way to
// the pile at 1× and 2×, a computer's move, and a deal.
void ShootSlides(MainWindow& window, Shooter& shots, QSize layout) {
  window.table().cardMotion().AllowOffscreen(true);
  window.action("flgSOKUDO1")->trigger();
  const auto still = [&] { return zunpa::testing::UserToMove(window) && !window.table().cardMotion().Ticking(); };
  for (int scale : {1, 2}) {
    window.resize(layout.width() * scale, layout.height() * scale + window.menuBar()->height());
    zunpa::testing::PlayUntil(window, still);
    QTest::qWait(50);
    zunpa::testing::MakeTheUsersMove(window);
    QTest::qWait(40);
    if (scale == 2) shots.Screen("screen-slide-2x");
    shots.Window(QString("table-slide-%1x").arg(scale), &window);
  }
  zunpa::testing::PlayUntil(window, [&] { return window.table().cardMotion().Ticking() && !still(); });
  QTest::qWait(40);
  shots.Window("table-computer-move-2x", &window);
  zunpa::testing::PlayUntil(window, still);
  window.action("mneNEW")->trigger();
  zunpa::testing::PlayUntil(window, [&] { return window.table().cardMotion().Ticking(); });
  QTest::qWait(40);
  shots.Window("table-deal-2x", &window);
}

// The chart at the window's own ratio, and drawn at twice it.
void ShootTheChart(MainWindow& window, Shooter& shots, const QString& name) {
  zunpa::qt::ScoreChartWindow* chart = window.host().scoreChart();
  if (!chart) return;
  shots.Window(name, chart);
  QWidget* picture = chart->chart();
  QPixmap twice(picture->size() * 2);
  twice.setDevicePixelRatio(2);
  picture->render(&twice);
  shots.Save(name + "-2x", twice);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  zunpa::qt::UseJapaneseFont(app);
  if (argc < 2) {
    std::fprintf(stderr, "usage: zunpa-shots <folder for the PNGs>\n");
    return 2;
  }
  QDir().mkpath(argv[1]);
  Shooter shots(argv[1]);
  QTemporaryDir dir;
  zunpa::testing::LinkProgramFolder(QCoreApplication::applicationDirPath(), dir);
  // The per-user store of this run alone: opening 経過 for a picture must
  // not open it for the window tests.
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());

  MainWindow window(dir.path());
  window.show();
  window.StartUp();
  zunpa::testing::ModalAnswerer answerer;
  answerer.OnDialog([&](QWidget* dialog) {
    shots.Window(dialog->objectName(), dialog);
    const zunpa::RoundState& round = window.session().game().round;
    if (dialog->objectName() == "frmTEN" && round.RoundNo == 5) ShootTheLog(window, shots, "table-log");
    if (dialog->objectName() == "frmTEN" && round.ZunpaSeat1 != 0) ShootTheLog(window, shots, "table-log-zunpa");
    if (dialog->objectName() == "frmRESULT") {
      // The standings paint before the screen is taken.
      QTest::qWait(200);
      shots.Screen("result-with-chart-screen");
    }
    if (dialog->objectName() == "frmTEN" && window.host().scoreTable())
      shots.Window("frmHYOU-round" + QString::number(window.session().game().round.RoundNo),
                   window.host().scoreTable());
  });
  QTimer watch;
  WatchTheTable(window, shots, watch);
  shots.Window("table-empty", &window);
  for (const char* item : {"mnuCHAR", "mnuCSET", "mneHiScore", "mneVER"})
    OpenFromTheMenu(window, item);
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
  const zunpa::Game& game = window.session().game();
  OpenFromTheMenu(window, "mneCHART");
  ShootTheChart(window, shots, "frmGRAPH-start");
  zunpa::testing::PlayUntil(window, [&] { return game.round.RoundNo >= 6 && zunpa::testing::UserToMove(window); });
  ShootTheChart(window, shots, "frmGRAPH-midgame");
  // 読み's worths on a move with several choices.
  zunpa::testing::PlayUntil(window,
                            [&] { return zunpa::testing::UserToMove(window) && ChoicesNow(window.session()) >= 3; });
  ShowTheHint(window);
  shots.Window("table-yomi-hint", &window);
  zunpa::testing::PlayUntil(window, [&] { return shots.Has("frmRESULT") && !window.session().Busy(); });
  ShootTheChart(window, shots, "frmGRAPH-final");
  if (window.host().scoreTable()) shots.Window("frmHYOU-final", window.host().scoreTable());
  // The next game by its number, its first turn at the layout's size and
  // at twice it; the title bar carries the number.
  window.action("mneNEWNUM")->trigger();
  std::printf("title: %s\n", qPrintable(window.windowTitle()));
  zunpa::testing::PlayUntil(window, [&] { return game.round.RoundNo == 1 && zunpa::testing::UserToMove(window); });
  const QSize layout = window.table().minimumSizeHint();
  window.table().setMinimumSize(0, 0);
  window.resize(layout.width(), layout.height() + window.menuBar()->height());
  QTest::qWait(50);
  shots.Window("table-1x", &window);
  window.resize(layout.width() * 2, layout.height() * 2 + window.menuBar()->height());
  QTest::qWait(50);
  shots.Window("table-2x", &window);
  shots.Screen("screen-2x");
  // Keyboard play: the focus ring a step in, then the hint beside it.
  QTest::keyClick(&window.table(), Qt::Key_Right);
  QTest::keyClick(&window.table(), Qt::Key_Right);
  window.table().repaint();
  shots.Window("table-focus-2x", &window);
  ShowTheHint(window);
  shots.Window("table-hint-2x", &window);
  window.resize(layout.width(), layout.height() + window.menuBar()->height());
  QTest::qWait(50);
  shots.Window("table-focus-hint-1x", &window);
  ShootSlides(window, shots, layout);
  return 0;
}
