// The game with a real sound server of its own (PulseAudio, a null sink
// watched on its monitor): every card sound is heard and none waits longer
// than it plays; the call-outs follow the server as it goes and comes back.

#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "desktop/private_sound_server.h"
#include "platform/sound_player.h"
#include "table/balloon.h"
#include "table/main_window.h"
#include "table/qt_host.h"
#include "ui_logic/wav_reader.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::qt::SoundPlayer;
using zunpa::testing::PrivateSoundServer;

namespace {

const QString kCard = QStringLiteral(ZUNPA_PROGRAM_DIR "/card.wav");

int LengthInMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  const auto seconds = zunpa::ui::WavDurationSeconds(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  return seconds ? int(*seconds * 1000) : -1;
}

// Counts the balloons the table shows.
class BalloonCounter : public QObject {
 public:
  explicit BalloonCounter(QWidget* balloon) { balloon->installEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shown;
    return false;
  }
};

}  // namespace

class SoundServerTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void theCardSoundIsHeardEveryTimeAndNeverWaitsLong();
  void backToBackEachCardSoundTakesItsOwnLength();
  void aServerThatGoesEndsTheWaitAndOneThatComesBackIsHeard();
  void theCallOutsAreBalloonsWhileTheServerIsAway();
};

void SoundServerTest::theCardSoundIsHeardEveryTimeAndNeverWaitsLong() {
  PrivateSoundServer server;
  QVERIFY(server.Start());
  SoundPlayer player;
  QTRY_VERIFY_WITH_TIMEOUT(player.HasOutput(), 5000);
  const int length = LengthInMs(kCard);
  QVERIFY(length > 0);
  server.TakeRecording();
  qint64 longest = 0;
  for (int play = 0; play < 20; ++play) {
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(player.PlayAndWait(kCard), qPrintable(QString("play %1 was not heard to its end").arg(play)));
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited <= length + 250, qPrintable(QString("play %1 waited %2 ms").arg(play).arg(waited)));
    longest = std::max(longest, waited);
    QTest::qWait(150);
  }
  qInfo("card.wav: %d ms long, the longest of 20 waits %lld ms", length, longest);
  QCOMPARE(PrivateSoundServer::CountSounds(server.TakeRecording(), 100), 20);

  // A spoilt file or none at all is not played and not waited for.
  QTemporaryDir folder;
  QFile spoilt(folder.filePath("card.wav"));
  QVERIFY(spoilt.open(QIODevice::WriteOnly) && spoilt.write(QByteArray(4000, 'x')) == 4000);
  spoilt.close();
  QElapsedTimer clock;
  clock.start();
  QVERIFY(!player.PlayAndWait(spoilt.fileName()));
  QVERIFY(!player.PlayAndWait(folder.filePath("absent.wav")));
  QVERIFY(clock.elapsed() < 50);
  QCOMPARE(PrivateSoundServer::CountSounds(server.TakeRecording(), 100), 0);
}

// At the fastest speed the card sounds come with nothing between them:
// each waits for its own sound and a small margin, and its stream goes
// when it has played, none piling up behind the game, even on a server
// that reports the ends late (a null sink nobody listens to, up to 2 s).
void SoundServerTest::backToBackEachCardSoundTakesItsOwnLength() {
  PrivateSoundServer server;
  QVERIFY(server.Start());
  SoundPlayer player;
  QTRY_VERIFY_WITH_TIMEOUT(player.HasOutput(), 5000);
  const int length = LengthInMs(kCard);
  QVERIFY(server.WatchPlays());
  server.StopListening();
  QStringList faults;
  QElapsedTimer all;
  all.start();
  for (int play = 0; play < 20; ++play) {
    QElapsedTimer clock;
    clock.start();
    const bool heard = player.PlayAndWait(kCard);
    const qint64 waited = clock.elapsed();
    // The stream just ended may not be reported gone yet; none before it.
    // Its wait is its length and 0.1 s; the slack is the loaded machine's.
    const int living = server.PlaysStarted() - server.PlaysEnded();
    if (!heard || waited > length + 200 || living > 1)
      faults << QString("play %1: heard %2, %3 ms, %4 streams").arg(play).arg(heard).arg(waited).arg(living);
  }
  const qint64 took = all.elapsed();
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(" | ")));
  QTRY_COMPARE_WITH_TIMEOUT(server.PlaysStarted() - server.PlaysEnded(), 0, 1000);
  QCOMPARE(server.PlaysStarted(), 20);
  qInfo("20 card sounds of %d ms back to back: %lld ms", length, took);
}

void SoundServerTest::aServerThatGoesEndsTheWaitAndOneThatComesBackIsHeard() {
  PrivateSoundServer server;
  SoundPlayer player;
  // No server at all: nothing to hear, nothing to wait for.
  QTest::qWait(100);
  QVERIFY(!player.HasOutput());
  QElapsedTimer clock;
  clock.start();
  QVERIFY(!player.PlayAndWait(kCard));
  QVERIFY(clock.elapsed() < 50);

  // It comes: the player finds it without being asked.
  QVERIFY(server.Start());
  QTRY_VERIFY_WITH_TIMEOUT(player.HasOutput(), 10000);
  const QString longest = QStringLiteral(ZUNPA_PROGRAM_DIR "/agari2.wav");
  QVERIFY(LengthInMs(longest) > 400);
  // It goes mid-play: the wait ends then, not at the sound's end.
  QTimer::singleShot(100, [&] { server.Kill(); });
  clock.restart();
  QVERIFY(!player.PlayAndWait(longest));
  QVERIFY2(clock.elapsed() < 100 + 200, qPrintable(QString::number(clock.elapsed())));
  QTRY_VERIFY_WITH_TIMEOUT(!player.HasOutput(), 2000);

  // And comes back.
  QVERIFY(server.Start());
  QTRY_VERIFY_WITH_TIMEOUT(player.HasOutput(), 10000);
  // A server without an output device is no output either.
  QVERIFY(server.Pactl({"unload-module", "module-null-sink"}));
  QTRY_VERIFY_WITH_TIMEOUT(!player.HasOutput(), 2000);
  QVERIFY(!player.PlayAndWait(kCard));
  QVERIFY(server.Pactl({"load-module", "module-null-sink", "sink_name=null"}));
  QTRY_VERIFY_WITH_TIMEOUT(player.HasOutput(), 2000);
  QVERIFY(server.Listen());
  server.TakeRecording();
  QVERIFY(player.PlayAndWait(kCard));
  QCOMPARE(PrivateSoundServer::CountSounds(server.TakeRecording(), 100), 1);
}

void SoundServerTest::theCallOutsAreBalloonsWhileTheServerIsAway() {
  PrivateSoundServer server;
  QVERIFY(server.Start());
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  QVERIFY(window.session().game().options.Sound);
  // Only the voices make streams: the card sound is off.
  window.action("mneSOUNDC")->trigger();
  window.action("flgSOKUDO0")->trigger();
  const zunpa::Game& game = window.session().game();
  QTRY_VERIFY_WITH_TIMEOUT(game.files.SoundOutputPresent, 5000);
  BalloonCounter balloons(window.host().balloon());
  QVERIFY(server.WatchPlays());
  window.action("mneNEW")->trigger();
  QVERIFY(zunpa::testing::PlayUntil(window, [&] { return server.PlaysStarted() >= 2; }));
  QCOMPARE(balloons.shown, 0);

  server.Kill();
  QTRY_VERIFY_WITH_TIMEOUT(!game.files.SoundOutputPresent, 1000);
  const int before = balloons.shown;
  QVERIFY(zunpa::testing::PlayUntil(window, [&] { return balloons.shown >= before + 2; }));

  QVERIFY(server.Start());
  QTRY_VERIFY_WITH_TIMEOUT(game.files.SoundOutputPresent, 10000);
  QVERIFY(server.WatchPlays());
  const int away = balloons.shown;
  QVERIFY(zunpa::testing::PlayUntil(window, [&] { return server.PlaysStarted() >= 1; }));
  QCOMPARE(balloons.shown, away);
  window.close();
}

QTEST_MAIN(SoundServerTest)
#include "sound_server_test.moc"
