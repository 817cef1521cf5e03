// frmGRAPH in the real main window: opened from the menu it follows the
// rounds of a seeded game, it comes up beside the final standings, it
// shows a continued game's rounds, and it draws at twice the pixel ratio.

#include "dialogs/score_chart_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/score_chart_widget.h"
#include "table/main_window.h"
#include "table/qt_host.h"
#include "ui_logic/score_chart.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::testing::PlayUntil;
using zunpa::testing::UserToMove;

namespace {

// A seeded table at the fastest speed, small in the screen's corner so
// that the standings leave room beside them.
void StartSeededGame(MainWindow& window, std::uint64_t seed) {
  window.resize(520, 420);
  window.move(0, 0);
  window.show();
  window.StartUp();
  zunpa::Game& game = window.session().game();
  game.random.SetClockDriven(false);
  game.random.Seed(seed);
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

QImage Render(QWidget& widget, qreal ratio) {
  QPixmap pixmap(widget.size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  widget.render(&pixmap);
  return pixmap.toImage();
}

}  // namespace

class ScoreChartWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void theChartOpensFromTheMenuAndFollowsEveryRound();
  void theWholeGameComesUpBesideTheFinalStandings();
  void aContinuedGameShowsItsRoundsSoFar();
};

void ScoreChartWindowTest::theChartOpensFromTheMenuAndFollowsEveryRound() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  StartSeededGame(window, 31);
  QVERIFY(!window.host().scoreChart());
  window.action("mneCHART")->trigger();
  zunpa::qt::ScoreChartWindow* chartWindow = window.host().scoreChart();
  QVERIFY(chartWindow && chartWindow->isVisible());
  QCOMPARE(chartWindow->objectName(), QString("frmGRAPH"));
  QCOMPARE(chartWindow->windowTitle(), QString("得点ｸﾞﾗﾌ"));
  QVERIFY(!chartWindow->isModal());
  const zunpa::qt::ScoreChartWidget* chart = chartWindow->chart();
  QVERIFY(chart->chart().Empty());
  const int opened = chart->changes();
  const zunpa::Game& game = window.session().game();
  for (int round = 2; round <= 4; ++round) {
    QVERIFY(PlayUntil(window, [&] { return game.round.RoundNo >= round && UserToMove(window); }));
    const int played = game.round.RoundNo - 1;
    QCOMPARE(chart->chart().roundsPlayed, played);
    QVERIFY(chart->chart() == zunpa::ui::ScoreChartOf(game.display.sheet));
    for (int seat = 1; seat <= zunpa::kSeats; ++seat) {
      const zunpa::ui::ChartSeries& series = chart->chart().series[seat - 1];
      QCOMPARE(int(series.points.size()), played);
      QCOMPARE(series.name, game.seats.playing[seat - 1]);
      QCOMPARE(series.points.back().total, game.scores.TotalPoints[seat - 1]);
    }
    // One new picture per settled round, however many moves between.
    QCOMPARE(chart->changes(), opened + played);
  }
  // Closed by the user, it opens again from the menu.
  chartWindow->close();
  QVERIFY(!chartWindow->isVisible());
  window.action("mneCHART")->trigger();
  QVERIFY(chartWindow->isVisible());
  QCOMPARE(window.host().scoreChart(), chartWindow);
  window.close();
}

void ScoreChartWindowTest::theWholeGameComesUpBesideTheFinalStandings() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  bool chartShown = false, apart = false;
  int roundsShown = 0;
  answerer.OnDialog([&](QWidget* dialog) {
    if (dialog->objectName() != "frmRESULT") return;
    const zunpa::qt::ScoreChartWindow* chartWindow = window.host().scoreChart();
    chartShown = chartWindow && chartWindow->isVisible();
    apart = chartShown && !chartWindow->frameGeometry().intersects(dialog->frameGeometry());
    roundsShown = chartShown ? chartWindow->chart()->chart().roundsPlayed : 0;
  });
  StartSeededGame(window, 7);
  QVERIFY(PlayUntil(window, [&] { return chartShown && !window.session().Busy(); }));
  QVERIFY(apart);
  QCOMPARE(roundsShown, zunpa::kRoundsInGame);

  zunpa::qt::ScoreChartWidget* chart = window.host().scoreChart()->chart();
  const zunpa::ui::ScoreChart& whole = chart->chart();
  for (const zunpa::ui::ChartSeries& series : whole.series)
    QCOMPARE(int(series.points.size()), zunpa::kRoundsInGame);
  // Drawn at twice the pixel ratio, every seat's line is there and twice
  // as thick each way as at the ordinary ratio.
  chart->resize(640, 400);
  const QImage once = Render(*chart, 1), twice = Render(*chart, 2);
  QCOMPARE(twice.size(), QSize(1280, 800));
  QVERIFY(CountColour(twice, zunpa::ui::kChartBackground) < twice.width() * twice.height());
  for (const zunpa::ui::ChartSeries& series : whole.series) {
    const int thin = CountColour(once, series.colour), thick = CountColour(twice, series.colour);
    QVERIFY2(thin > 100, qPrintable(QString::number(thin)));
    QVERIFY2(thick > 3 * thin && thick < 9 * thin, qPrintable(QString("%1 %2").arg(thin).arg(thick)));
  }
  // The next game starts a new chart.
  window.action("mneNEW")->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(chart->chart().Empty(), 10000);
  window.close();
}

void ScoreChartWindowTest::aContinuedGameShowsItsRoundsSoFar() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  QFile::copy(QString(ZUNPA_TEST_DATA) + "/savedata_round5.txt", QDir(folder).filePath("SaveData.txt"));
  QFile(QDir(folder).filePath("SaveData.txt")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  window.action("mneCONTINUE")->trigger();
  QTRY_COMPARE_WITH_TIMEOUT(window.session().game().round.RoundNo, 5, 10000);
  window.action("mneCHART")->trigger();
  const zunpa::ui::ScoreChart& chart = window.host().scoreChart()->chart()->chart();
  QCOMPARE(chart.roundsPlayed, 4);
  QCOMPARE(chart.series[2].points[3].total, 400);
  QVERIFY(chart.series[2].points[2].marks.halved);
  QCOMPARE(int(chart.zunpaRounds.size()), 1);
  window.close();
}

QTEST_MAIN(ScoreChartWindowTest)
#include "score_chart_window_test.moc"
