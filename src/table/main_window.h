#pragma once
// frmMAIN: the table, the menu bar and the draw button. Every game command
// goes to the session; computer moves run from a timer between steps, so
// the window stays free and the processor idle while the computer pauses.

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string_view>
#include <vector>

#include "session/session.h"
#include "table/yomi_worker.h"

class QAction;
class QMenu;

namespace zunpa::ui {
class GameLog;
struct MenuItem;
}  // namespace zunpa::ui

namespace zunpa::qt {

class GameLogPanel;
class QtHost;
class SoundPlayer;
class TableWidget;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `programFolder`: pictures, sounds, help and data files.
  explicit MainWindow(const QString& programFolder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Form_Load after the window is on screen: the files are read.
  void StartUp();

  Session& session() { return *session_; }
  TableWidget& table() { return *table_; }
  QtHost& host() { return *host_; }
  GameLogPanel& logPanel() { return *logPanel_; }
  const ui::GameLog& log() const { return *log_; }
  QAction* action(const QString& name) const { return actions_.value(name); }
  // Steps run so far, and whether one is waiting on its timer.
  int stepsRun() const { return stepsRun_; }
  bool stepPending() const { return stepTimer_.isActive(); }

 signals:
  // The window has closed for good: settings and records are written.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // No menu of docks on a right click: 経過 is shown from 表示 alone.
  QMenu* createPopupMenu() override { return nullptr; }

 private:
  void BuildMenus();
  void AddMenuItems(QMenu* menu, const std::vector<ui::MenuItem>& items);
  void ConnectCommands();
  void ConnectOptions();
  void BuildLog();
  // 経過 shown or hidden, kept in the user's store; the window grows by the
  // panel so the table keeps its size.
  void ShowLog(bool shown);
  void ConnectCardMotion();
  void ConnectYomiOnQuestions();
  void OnTriggered(const QString& name, void (MainWindow::*handler)());
  void SyncMenus();
  void SyncChecks();
  void SyncTitle();
  void ScheduleStep();
  void RunOneStep();
  // A command of the game: refused while busy; the moves it sets going
  // follow as steps.
  template <typename Command>
  void Play(Command command);
  // A window opened from the menu between steps holds the next one back.
  // A window of the user's own between two steps: the computer waits.
  template <typename Window>
  void Between(Window window) {
    const bool held = stepTimer_.isActive();
    stepTimer_.stop();
    window();
    if (held || !session_->Busy()) ScheduleStep();
  }
  void ChangeOptions(const Options& options);

  void NewGame();
  void NewNumberedGame();
  void ContinueGame();
  void SaveGame();
  void ShowHighScores();
  void AskExit();
  void ToggleSound();
  void ToggleAutoDetect();
  void ToggleXray();
  void EditCardRoles();
  void ShowCharacters();
  void ShowScoreTable();
  void ShowHelp();
  void ShowHint();
  void WeighQuestion(std::optional<Question> q);
  void ShowLookBack();
  void ShowAbout();
  void OnStopped(StopOutcome outcome);

  QString folder_;
  std::unique_ptr<SoundPlayer> sound_;
  TableWidget* table_ = nullptr;
  std::unique_ptr<QtHost> host_;
  // Outlives the session, whose game reports to it.
  std::unique_ptr<ui::GameLog> log_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<YomiWorker> yomi_;
  GameLogPanel* logPanel_ = nullptr;
  int logGrowth_ = 0;
  QHash<QString, QAction*> actions_;
  struct CheckItem {
    QAction* action;
    std::string_view name;  // the menu tree's own, which lives for the program
    int index;
  };
  std::vector<CheckItem> checkItems_;
  QTimer stepTimer_;
  int stepsRun_ = 0;
  bool mayClose_ = false;
};

}  // namespace zunpa::qt
