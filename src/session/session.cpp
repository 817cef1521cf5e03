#include "session/session.h"

#include "flow/new_game.h"
#include "rules/flag_scope.h"
#include "rules/program_folder.h"
#include "rules/table_display.h"

namespace zunpa {

Session::Session(Host& host, ProgramFolder* folder)
    : inner_(host), folder_(folder), guard_(host, stopRequested_), game_(guard_) {
  game_.observer = &followers_;
  guard_.answered = [this](const Message& m, Answer a) { decisions_.OnAnswer(game_, memory_, m, a); };
  guard_.suitChosen = [this](int suit) { decisions_.OnSuit(game_, memory_, suit); };
}

// A game that really began (players chosen, or the saved one read) starts
// the decisions afresh.
template <typename Start>
bool Session::StartGame(Start start) {
  if (!MayChangeGame()) return false;
  const int started = memory_.gamesStarted();
  Run([&] {
    start();
    if (memory_.gamesStarted() != started) decisions_.Clear();
  });
  return true;
}

void Session::Follow(PlayObserver* other) {
  followers_ = ObserverPair(other, &memory_);
  game_.observer = &followers_;
}

void Session::StartUp() {
  if (folder_) Run([&] { folder_->StartUp(game_); });
}

template <typename Action>
void Session::Run(Action action) {
  const bool outermost = !stepRunning_;
  bool unwound = false;
  {
    const FlagScope running(stepRunning_);
    NotifyBusy();
    try {
      action();
    } catch (const StopRequested&) {
      unwound = true;
    }
  }
  if (!outermost) return;  // the step around a nested command unwinds on its own
  if (deferredRoles_) game_.roles = *deferredRoles_, deferredRoles_.reset();
  if (stopRequested_ && !stopped_) {
    const StopOutcome outcome = FinishStop(unwound);
    if (stopListener_) stopListener_(outcome);
  }
  NotifyBusy();
}

bool Session::NewGame() {
  return StartGame([&] { StartNewGame(game_); });
}

bool Session::NewNumberedGame(std::uint64_t number) {
  return StartGame([&] { StartNewGame(game_, number); });
}

bool Session::Continue(std::optional<std::uint64_t> number) {
  if (!game_.files.folder) return false;
  return StartGame([&] { game_.files.folder->ContinueGame(game_, number); });
}

bool Session::Save() {
  if (!MayChangeGame() || !game_.files.folder) return false;
  bool saved = false;
  Run([&] { saved = game_.files.folder->SaveGame(game_); });
  if (saved && savedListener_) savedListener_(GameNumber());
  return true;
}

bool Session::ClickCard(int suit, int rank) {
  if (!MayChangeGame()) return false;
  decisions_.OnMove(game_, memory_, {Choice::Kind::Play, CodeOf(suit, rank)});
  Run([&] { zunpa::ClickCard(game_, suit, rank); });
  return true;
}

bool Session::PressDraw() {
  if (!MayChangeGame()) return false;
  decisions_.OnMove(game_, memory_, {Choice::Kind::Draw});
  Run([&] { zunpa::PressDraw(game_); });
  return true;
}

void Session::SetRoles(const Roles& roles) {
  if (stepRunning_) {
    deferredRoles_ = roles;
  } else {
    game_.roles = roles;
  }
}

void Session::SetOptions(const Options& options) {
  game_.options = options;
}

void Session::ShowHighScores() {
  if (stopped_ || !game_.files.folder) return;
  Run([&] { game_.files.folder->ShowHighScores(game_); });
}

StopOutcome Session::Stop() {
  if (stopped_) return StopOutcome::Ended;
  stopRequested_ = true;
  if (stepRunning_) return StopOutcome::Pending;
  const StopOutcome outcome = FinishStop(false);
  NotifyBusy();
  return outcome;
}

// The settings and records are written, with the question when a write
// fails. A stop that cut a step short leaves no game to go back to.
StopOutcome Session::FinishStop(bool stepUnwound) {
  bool mayEnd = false;
  {
    const FlagScope unguarded(guard_.guarding, false);
    mayEnd = !game_.files.folder || game_.files.folder->SaveSettingsAndRecords(game_);
  }
  if (mayEnd) {
    stopped_ = true;
    return StopOutcome::Ended;
  }
  stopRequested_ = false;
  if (stepUnwound) AbandonUnwoundGame();
  return StopOutcome::Stays;
}

void Session::AbandonUnwoundGame() {
  Game& g = game_;
  const FlagScope unguarded(guard_.guarding, false);
  g.flow.pendingSeat = 0;
  g.round.RoundNo = 0;
  g.round.NextStarter = kNewGame;
  g.round.OutSeat = g.round.ZunpaSeat1 = g.round.ZunpaSeat2 = g.round.ZunpaSeat3 = 0;
  g.display.saveEnabled = false;
  LockHumanInput(g);
}

bool Session::Busy() const {
  return stepRunning_ || (!stopped_ && zunpa::NextStep(game_).kind != StepKind::None);
}

Step Session::NextStep() const {
  if (stopped_ || stopRequested_) return {};
  return zunpa::NextStep(game_);
}

void Session::RunStep() {
  if (stepRunning_ || stopped_ || stopRequested_) return;
  Run([&] { zunpa::RunStep(game_); });
}

void Session::RunSteps() {
  for (Step step = NextStep(); step.kind != StepKind::None; step = NextStep()) {
    if (step.pauseSeconds > 0) inner_.Pause(step.pauseSeconds);
    RunStep();
  }
}

void Session::NotifyBusy() {
  const bool busy = Busy();
  if (busy == lastBusy_) return;
  lastBusy_ = busy;
  if (busyListener_) busyListener_(busy);
}

}  // namespace zunpa
