#include "session/session.h"

#include "engine/deal.h"
#include "engine/flag_scope.h"
#include "scoring/high_scores.h"
#include "scoring/saved_game.h"
#include "scoring/start_up.h"

namespace zunpa {

Session::Session(Host& host) : inner_(host), guard_(host, stopRequested_), game_(guard_) {}

void Session::StartUp() {
  Run([&] { zunpa::StartUp(game_); });
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
  if (!MayChangeGame()) return false;
  Run([&] { StartNewGame(game_); });
  return true;
}

bool Session::Continue() {
  if (!MayChangeGame()) return false;
  Run([&] { ContinueGame(game_); });
  return true;
}

bool Session::Save() {
  if (!MayChangeGame()) return false;
  Run([&] { SaveGame(game_); });
  return true;
}

bool Session::ClickCard(int suit, int rank) {
  if (!MayChangeGame()) return false;
  Run([&] { zunpa::ClickCard(game_, suit, rank); });
  return true;
}

bool Session::PressDraw() {
  if (!MayChangeGame()) return false;
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
  if (stopped_) return;
  Run([&] { zunpa::ShowHighScores(game_); });
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
    mayEnd = !game_.keepsFiles || SaveSettingsAndRecords(game_);
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
  g.pendingSeat = 0;
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
