#pragma once
// The one surface the window calls. It owns the game, knows when the game
// is busy (a step running or computer moves pending) and refuses the
// game-changing commands then; a stop ends a running chain at once.

#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/table_memory.h"
#include "analysis/yomi_input.h"
#include "flow/turn_cycle.h"
#include "rules/game.h"
#include "rules/program_folder.h"
#include "session/decision_log.h"
#include "session/guarded_host.h"

namespace zunpa {

enum class StopOutcome {
  Ended,    // settings and records are written (or the user let them go): the program may end
  Stays,    // a write failed and the user chose to stay
  Pending,  // inside a step: it unwinds first, then the stop listener hears the outcome
};

class Session {
 public:
  // The folder's data files are read at StartUp and kept from then on;
  // without a folder the game keeps nothing.
  explicit Session(Host& host, ProgramFolder* folder = nullptr);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Game& game() { return game_; }
  const Game& game() const { return game_; }

  // What the user's seat saw this round, for 読み; `other` follows the
  // game as well (the log, the simulator's recorder).
  const TableMemory& memory() const { return memory_; }
  // The user's decisions since 新規 or つづき, for ふりかえり.
  const DecisionLog& decisions() const { return decisions_; }
  void KeepDecisions(bool keep) { decisions_.SetKeeping(keep); }
  void Follow(PlayObserver* other);
  // What 読み needs for advice as the table stands: a copy, safe to hand
  // to another thread.
  YomiInput AnalysisInput() const { return MakeYomiInput(game_, memory_); }

  // Start-up of the program folder (records, settings, "つづき").
  void StartUp();

  // The game-changing commands: false when refused (busy, or stopped).
  bool NewGame();
  // A new game whose deals, reshuffles and random starters all come from
  // `number`: the same number and the same moves give the same game.
  bool NewNumberedGame(std::uint64_t number);
  // With a number, the continued game goes on as that numbered game.
  bool Continue(std::optional<std::uint64_t> number = std::nullopt);
  bool Save();
  // The number of the game on the table; none before the first numbered one.
  std::optional<std::uint64_t> GameNumber() const { return game_.random.GameNumber(); }
  bool ClickCard(int suit, int rank);
  bool PressDraw();

  // Usable at any time. New card roles take effect from the next card
  // played: during a step they wait for its end.
  void SetRoles(const Roles& roles);
  void SetOptions(const Options& options);
  // Whether a sound would be heard now: the sound server comes and goes,
  // and the call-outs follow it from the next one on.
  void SetSoundOutputPresent(bool present) { game_.files.SoundOutputPresent = present; }
  void ShowHighScores();

  // Exit and the close box.
  StopOutcome Stop();
  bool Stopped() const { return stopped_; }

  bool Busy() const;
  Step NextStep() const;
  // The step NextStep names; nothing when stopped or a step is running.
  void RunStep();
  // The headless driver: pause, step, pause, step, until the user must act.
  // A command from inside a pause is taken as between steps.
  void RunSteps();

  void OnBusyChanged(std::function<void(bool)> listener) { busyListener_ = std::move(listener); }
  void OnStopped(std::function<void(StopOutcome)> listener) { stopListener_ = std::move(listener); }
  // A save that wrote the file, with the number of the game it kept.
  void OnGameSaved(std::function<void(std::optional<std::uint64_t>)> listener) { savedListener_ = std::move(listener); }

 private:
  template <typename Action>
  void Run(Action action);
  bool MayChangeGame() const { return !Busy() && !stopped_ && !stopRequested_; }
  StopOutcome FinishStop(bool stepUnwound);
  void AbandonUnwoundGame();
  void NotifyBusy();

  bool stopRequested_ = false;
  bool stopped_ = false;
  bool stepRunning_ = false;
  bool lastBusy_ = false;
  std::optional<Roles> deferredRoles_;
  Host& inner_;
  ProgramFolder* folder_;
  GuardedHost guard_;
  Game game_;
  TableMemory memory_;
  ObserverPair followers_{nullptr, &memory_};
  DecisionLog decisions_;
  template <typename Start>
  bool StartGame(Start start);
  std::function<void(bool)> busyListener_;
  std::function<void(StopOutcome)> stopListener_;
  std::function<void(std::optional<std::uint64_t>)> savedListener_;
};

}  // namespace zunpa
