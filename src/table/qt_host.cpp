#include "table/qt_host.h"

#include <QApplication>
#include <QDockWidget>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include "analysis/questions.h"
#include "dialogs/final_result_dialog.h"
#include "dialogs/high_scores_dialog.h"
#include "dialogs/name_entry_dialog.h"
#include "dialogs/player_selection_dialog.h"
#include "dialogs/round_result_dialog.h"
#include "dialogs/score_table_window.h"
#include "dialogs/suit_choice_dialog.h"
#include "platform/message_box.h"
#include "platform/sound_player.h"
#include "platform/window_system.h"
#include "rules/options.h"
#include "table/table_widget.h"
#include "table/window_growth.h"
#include "ui_logic/table_layout.h"

namespace zunpa::qt {

QtHost::QtHost(QWidget& mainWindow, TableWidget& table, SoundPlayer& sound)
    : main_(mainWindow), table_(table), sound_(sound) {}

QtHost::~QtHost() = default;

Balloon* QtHost::balloon() const {
  return table_.balloon();
}

void QtHost::CutWaitsShort() {
  if (waiting_) waiting_->quit();
  table_.HideBalloon();
}

// Whatever blocks next, the table shows the move that led to it. Once the
// window closes the keys go back to the table: with no window manager, or
// one that activates another window, nothing would have them.
template <typename Show>
auto QtHost::Modal(Show show) {
  table_.ShowLanded();
  struct KeysBack {
    QtHost& host;
    ~KeysBack() { host.GiveKeysBack(); }
  } back{*this};
  return show();
}

// On Wayland the compositor gives the keys back itself; a request of our
// own, without an activation token, would only mark the window urgent.
void QtHost::GiveKeysBack() {
  if (!main_.isVisible()) return;
  if (QApplication::activeWindow() != &main_ && WindowsPlaceThemselves()) main_.activateWindow();
  table_.setFocus(Qt::OtherFocusReason);
}

template <typename Ask>
auto QtHost::Weighed(std::optional<Question> q, Ask ask) {
  if (!q || !questionListener_) return ask();
  questionListener_(q);
  auto answer = ask();
  questionListener_(std::nullopt);
  return answer;
}

Answer QtHost::ShowMessage(const Message& message) {
  return Weighed(QuestionOf(message), [&] { return Modal([&] { return ShowMessageBox(&main_, message); }); });
}

// The window paces the computer by a timer between steps, so the game
// asks for no pause of its own there; this keeps any other one bounded.
void QtHost::Pause(double seconds) {
  Wait(seconds);
}

void QtHost::ProcessEvents() {
  QCoreApplication::processEvents();
}

// Nothing to show first when nothing will be heard.
void QtHost::PlaySound(const std::string& path) {
  if (!sound_.HasOutput()) return;
  table_.ShowLanded();
  sound_.PlayAndWait(QString::fromStdString(path));
}

// A voice nobody heard (the sound server went away, the file is spoilt)
// is written instead, so no call-out is lost.
void QtHost::Announce(const Announcement& a) {
  if (!a.voiceFile.empty()) {
    table_.ShowLanded();
    if (sound_.PlayAndWait(QString::fromStdString(a.voiceFile))) return;
  }
  ShowBalloon(a);
}

// Over the speaker's row, just right of its first card.
void QtHost::ShowBalloon(const Announcement& a) {
  if (a.speaker < 1 || a.speaker > kSeats) return;
  table_.ShowLanded();
  table_.ShowBalloon(QString::fromUtf8(a.text.data(), int(a.text.size())),
                     {ui::kBalloonLeft, kRowTop[a.speaker - 1] + ui::kBalloonDrop});
  const double seconds =
      a.balloonSeconds > 0 ? a.balloonSeconds : BalloonSeconds((game_ ? game_->options : Options{}).SpeedIndex);
  Wait(seconds);
  table_.HideBalloon();
}

// The one wait that lets the window's events through; the session keeps
// the game's commands refused meanwhile.
void QtHost::Wait(double seconds) {
  if (seconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(int(seconds * 1000 + 0.5), &loop, &QEventLoop::quit);
  QEventLoop* outer = waiting_;
  waiting_ = &loop;
  loop.exec();
  waiting_ = outer;
}

void QtHost::DisplayChanged() {
  table_.Sync();
  if (scoreTable_ && game_) scoreTable_->Refresh(game_->display.sheet);
  if (scoreChart_ && game_) scoreChart_->Refresh(game_->display.sheet);
  if (displayListener_) displayListener_();
}

void QtHost::ShowScoreTable(bool activate) {
  if (!scoreTable_) scoreTable_ = MakeScoreTable();
  if (game_) scoreTable_->ShowSheet(game_->display.sheet, activate);
  if (scoreDock_ && scoreDock_->isHidden()) {
    scoreDock_->show();
    GrowBy(static_cast<QMainWindow&>(main_), scoreDock_->sizeHint().width());
  }
}

// Beside the main window where the screen has room. Else, and under
// Wayland, where a window of its own would stand where the compositor puts
// it (over the table) and take the keys each time it appeared, the score
// table is part of the main window, beside the table.
ScoreTableWindow* QtHost::MakeScoreTable() {
  auto* mainWindow = qobject_cast<QMainWindow*>(&main_);
  if (!mainWindow) return new ScoreTableWindow(&main_);
  if (WindowsPlaceThemselves()) {
    auto* own = new ScoreTableWindow(&main_);
    if (own->HasRoomBesideMainWindow()) return own;
    delete own;
  }
  auto* table = new ScoreTableWindow(&main_, ScoreTableWindow::InsideMainWindow);
  scoreDock_ = new QDockWidget(table->windowTitle(), mainWindow);
  scoreDock_->setObjectName("frmHYOUDock");
  scoreDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  scoreDock_->setFocusPolicy(Qt::NoFocus);
  scoreDock_->setWidget(table);
  scoreDock_->hide();
  mainWindow->addDockWidget(Qt::RightDockWidgetArea, scoreDock_, Qt::Horizontal);
  return table;
}

ScoreChartWindow& QtHost::Chart() {
  if (!scoreChart_) scoreChart_ = new ScoreChartWindow(&main_);
  return *scoreChart_;
}

void QtHost::ShowScoreChart() {
  Chart().ShowSheet(game_ ? game_->display.sheet : ScoreSheet{}, {scoreTable_});
}

// The whole game's chart stands beside the final standings, clear of them
// and of the score table.
void QtHost::ShowScoreChartBeside(const QWidget* standings) {
  Chart().ShowBeside(game_ ? game_->display.sheet : ScoreSheet{}, standings, {scoreTable_});
}

void QtHost::ShowScoreSheet() {
  ShowScoreTable(false);
}

bool QtHost::SelectPlayers(SeatSetup& setup) {
  return Modal([&] { return RunPlayerSelection(&main_, setup, game_ ? game_->records : Records{}); });
}

SuitChoice QtHost::ChooseSuit(const SuitChoice& suggestion) {
  return Weighed(Question::Suit, [&] { return Modal([&] { return RunSuitChoice(&main_, suggestion); }); });
}

void QtHost::ShowRoundResult(const RoundResult& result) {
  Modal([&] { RunRoundResult(&main_, result, game_ ? game_->display.sheet : ScoreSheet{}); });
}

// The chart comes up beside the standings where a window can stand beside
// another; under Wayland it would be put over them and take their keys,
// and it waits for 表示 → 得点ｸﾞﾗﾌ.
void QtHost::ShowFinalResult(const FinalResult& result) {
  Modal([&] {
    RunFinalResult(&main_, result, [this](QDialog& dialog) {
      if (!WindowsPlaceThemselves()) return;
      ShowScoreChartBeside(&dialog);
      dialog.activateWindow();
    });
  });
}

std::optional<std::string> QtHost::EnterName(const std::string& message, const std::string& preset) {
  return Modal([&] { return RunNameEntry(&main_, message, preset); });
}

void QtHost::ShowHighScores(HighScoreBoard& board) {
  Modal([&] { RunHighScores(&main_, board); });
}

}  // namespace zunpa::qt
