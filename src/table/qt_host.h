#pragma once
// The game's Host on the desktop: message boxes and dialogs over the main
// window, voices through the sound player, balloons over the table.

#include <QPointer>
#include <functional>

#include "analysis/yomi.h"
#include "dialogs/score_chart_window.h"
#include "dialogs/score_table_window.h"
#include "rules/game.h"
#include "rules/host.h"

class QDockWidget;
class QEventLoop;
class QWidget;

namespace zunpa::qt {

class Balloon;
class SoundPlayer;
class TableWidget;

class QtHost : public Host {
 public:
  QtHost(QWidget& mainWindow, TableWidget& table, SoundPlayer& sound);
  ~QtHost() override;
  // The game whose records and score sheet the dialogs show.
  void SetGame(const Game& game) { game_ = &game; }
  // Ends a balloon at once: the program is being closed.
  void CutWaitsShort();
  // Called whenever the display changed, after the table took it.
  void OnDisplayChanged(std::function<void()> listener) { displayListener_ = std::move(listener); }
  // A question of the user's comes up (with what it is), then goes (with
  // nothing): 読み may weigh it meanwhile.
  void OnQuestion(std::function<void(std::optional<Question>)> listener) { questionListener_ = std::move(listener); }

  ScoreTableWindow* scoreTable() const { return scoreTable_; }
  Balloon* balloon() const;
  void ShowScoreTable(bool activate = true);
  ScoreChartWindow* scoreChart() const { return scoreChart_; }
  void ShowScoreChart();

  Answer ShowMessage(const Message& message) override;
  void Pause(double seconds) override;
  void ProcessEvents() override;
  void PlaySound(const std::string& path) override;
  void Announce(const Announcement& announcement) override;
  void DisplayChanged() override;
  void ShowScoreSheet() override;
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  void ShowRoundResult(const RoundResult& result) override;
  void ShowFinalResult(const FinalResult& result) override;
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;
  void ShowHighScores(HighScoreBoard& board) override;

 private:
  template <typename Show>
  auto Modal(Show show);
  void GiveKeysBack();
  void Wait(double seconds);
  void ShowBalloon(const Announcement& announcement);
  ScoreTableWindow* MakeScoreTable();
  ScoreChartWindow& Chart();
  void ShowScoreChartBeside(const QWidget* standings);

  QWidget& main_;
  TableWidget& table_;
  SoundPlayer& sound_;
  const Game* game_ = nullptr;
  QPointer<ScoreTableWindow> scoreTable_;
  QPointer<QDockWidget> scoreDock_;
  QPointer<ScoreChartWindow> scoreChart_;
  QEventLoop* waiting_ = nullptr;
  std::function<void()> displayListener_;
  std::function<void(std::optional<Question>)> questionListener_;
  template <typename Ask>
  auto Weighed(std::optional<Question> q, Ask ask);
};

}  // namespace zunpa::qt
