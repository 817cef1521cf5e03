// The window's own figures, measured on the real main window:
//   start      process start to the window shown, and to ready with the
//              files loaded (milliseconds)
//   idle       processor time while the user is to move, and while the
//              computer pauses before a move (percent of one core), and
//              the resident memory then
//   click      processor time from the user's click to the user's next
//              move at the fastest speed with sounds off (milliseconds),
//              and table repaints per computer move
//   slide      one full paint of the table while the user's card slides
//              to the pile (milliseconds), and the processor time of each
//              frame the slide paints by itself, at the window's own size
//              or at `scale` times the table's layout size
// Usage: zunpa-window-bench start|idle|click [rounds] | slide [slides [scale]]

#include <sys/resource.h>
#include <time.h>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/japanese_font.h"
#include "table/main_window.h"
#include "table/table_widget.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"

using zunpa::qt::MainWindow;

namespace {

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The resident set as the kernel counts it.
double ResidentMebibytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  return -1;
}

// Milliseconds since the process was started, from the kernel's record.
double MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {
  }
  const double startTicks = std::stod(field);
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks = double(sysconf(_SC_CLK_TCK));
  return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - startTicks / ticks) * 1000;
}

int Start(const QString& folder) {
  MainWindow window(folder);
  window.show();
  QApplication::processEvents();
  const double shown = MillisecondsSinceProcessStart();
  window.StartUp();
  QApplication::processEvents();
  const double ready = MillisecondsSinceProcessStart();
  std::printf("shown_ms %.1f ready_ms %.1f\n", shown, ready);
  return 0;
}

double CpuPercentOver(int milliseconds) {
  const double cpu = ProcessCpuSeconds();
  QElapsedTimer clock;
  clock.start();
  // A plain event loop: QTest::qWait would poll and count its own wake-ups.
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  return 100 * (ProcessCpuSeconds() - cpu) / (double(clock.elapsed()) / 1000);
}

// Idle is measured once the last card has arrived.
void WaitForTheCards(MainWindow& window) {
  while (window.table().cardMotion().Ticking())
    QTest::qWait(5);
}

int Idle(const QString& folder) {
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  window.action("mneNEW")->trigger();
  zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); });
  answerer.Stop();
  WaitForTheCards(window);
  const double atUsersTurn = CpuPercentOver(3000);
  window.action("flgSOKUDO3")->trigger();  // two seconds before each computer move
  zunpa::testing::MakeTheUsersMove(window);
  QTest::qWait(100);
  WaitForTheCards(window);
  const double duringPause = window.stepPending() ? CpuPercentOver(1500) : -1;
  std::printf("idle_user_turn_cpu_percent %.2f idle_computer_pause_cpu_percent %.2f rss_mib %.1f\n", atUsersTurn,
              duringPause, ResidentMebibytes());
  return 0;
}

// Drives the game only when the event loop has nothing left to do: a
// polling harness would wake every few milliseconds and count its own
// wake-ups as the click's cost.
class IdleDriver {
 public:
  IdleDriver() {
    connect_ = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                [this] { OnIdle(); });
  }
  ~IdleDriver() { QObject::disconnect(connect_); }
  const QStringList& dialogs() const { return dialogs_; }

  // Runs the events until `done` holds once all is quiet.
  void RunUntil(const std::function<bool()>& done) {
    if (done()) return;
    QEventLoop loop;
    done_ = [&] {
      if (done()) loop.quit();
    };
    QTimer::singleShot(240000, &loop, &QEventLoop::quit);
    loop.exec();
    done_ = nullptr;
  }

 private:
  void OnIdle() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && modal != answering_) {
      // Answered once the dialog's own loop turns, not inside the dispatcher.
      answering_ = modal;
      QTimer::singleShot(0, modal, [this, modal] { Answer(modal); });
      return;
    }
    if (!modal && done_) done_();
  }
  void Answer(QWidget* modal) {
    dialogs_ << modal->objectName();
    zunpa::testing::AnswerAsAPatientPlayer(modal);
    answering_ = nullptr;
  }

  QMetaObject::Connection connect_;
  std::function<void()> done_;
  QPointer<QWidget> answering_;
  QStringList dialogs_;
};

int Click(const QString& folder, int rounds) {
  MainWindow window(folder);
  IdleDriver driver;
  window.show();
  window.StartUp();
  window.action("flgSOKUDO0")->trigger();
  if (window.action("mneSOUND")->isChecked()) window.action("mneSOUND")->trigger();
  window.action("mneNEW")->trigger();
  const zunpa::Game& game = window.session().game();
  std::vector<double> milliseconds;
  const int paintsBefore = window.table().paints();
  const int stepsBefore = window.stepsRun();
  // The game is over once its final standings have been answered.
  const auto over = [&] { return game.round.RoundNo > rounds || driver.dialogs().contains("frmRESULT"); };
  const auto usersTurn = [&] { return zunpa::testing::UserToMove(window) || over(); };
  while (!over()) {
    driver.RunUntil(usersTurn);
    if (over()) break;
    const double cpu = ThreadCpuSeconds();
    zunpa::testing::MakeTheUsersMove(window);
    driver.RunUntil(usersTurn);
    milliseconds.push_back((ThreadCpuSeconds() - cpu) * 1000);
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  const auto at = [&](double q) { return milliseconds[size_t(q * double(milliseconds.size() - 1))]; };
  const double steps = std::max(1, window.stepsRun() - stepsBefore);
  std::printf("click_to_turn_cpu_ms median %.2f p90 %.2f max %.2f over %zu clicks; repaints_per_step %.2f\n", at(0.5),
              at(0.9), milliseconds.back(), milliseconds.size(), (window.table().paints() - paintsBefore) / steps);
  std::fflush(stdout);
  window.close();
  return 0;
}

double Percentile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[size_t(q * double(values.size() - 1))];
}

// At the speed after the fastest, so the cards move and the computer does
// not keep the bench waiting long.
int Slide(const QString& folder, int slides, double scale) {
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  if (scale > 0) {
    const QSize layout = window.table().minimumSizeHint() * scale;
    window.resize(layout.width(), layout.height() + window.menuBar()->sizeHint().height());
  }
  window.show();
  window.StartUp();
  window.action("flgSOKUDO1")->trigger();
  if (window.action("mneSOUND")->isChecked()) window.action("mneSOUND")->trigger();
  if (window.action("mneSOUNDC")->isChecked()) window.action("mneSOUNDC")->trigger();
  zunpa::qt::TableWidget& table = window.table();
  table.cardMotion().AllowOffscreen(true);
  window.action("mneNEW")->trigger();
  std::vector<double> fullPaintMs, frameCpuMs, framesPerSlide;
  while (int(fullPaintMs.size()) < slides) {
    zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); });
    WaitForTheCards(window);
    zunpa::testing::MakeTheUsersMove(window);
    if (!table.cardMotion().Moving()) continue;
    QElapsedTimer clock;
    clock.start();
    table.repaint();
    fullPaintMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    const int paints = table.paints();
    const double cpu = ThreadCpuSeconds();
    while (table.cardMotion().Ticking())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const int frames = std::max(1, table.paints() - paints);
    frameCpuMs.push_back((ThreadCpuSeconds() - cpu) * 1000 / frames);
    framesPerSlide.push_back(frames);
  }
  const QSize size = table.size();
  std::printf(
      "slide_full_paint_ms median %.2f p90 %.2f; slide_frame_cpu_ms median %.2f p90 %.2f; frames_per_slide median "
      "%.0f; over %d slides at %dx%d px, %s\n",
      Percentile(fullPaintMs, 0.5), Percentile(fullPaintMs, 0.9), Percentile(frameCpuMs, 0.5),
      Percentile(frameCpuMs, 0.9), Percentile(framesPerSlide, 0.5), slides, size.width(), size.height(),
      qPrintable(QGuiApplication::platformName()));
  std::fflush(stdout);
  window.close();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  zunpa::qt::UseJapaneseFont(app);
  const QString mode = argc > 1 ? argv[1] : "start";
  // A folder of its own, so no run sees another's saved game or scores.
  QTemporaryDir dir;
  zunpa::testing::LinkProgramFolder(QCoreApplication::applicationDirPath(), dir);
  if (mode == "start") return Start(dir.path());
  if (mode == "idle") return Idle(dir.path());
  if (mode == "click") return Click(dir.path(), argc > 2 ? std::atoi(argv[2]) : 20);
  if (mode == "slide") return Slide(dir.path(), argc > 2 ? std::atoi(argv[2]) : 20, argc > 3 ? std::atof(argv[3]) : 0);
  std::fprintf(stderr, "usage: zunpa-window-bench start|idle|click [rounds] | slide [slides [scale]]\n");
  return 2;
}
