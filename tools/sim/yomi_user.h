#pragma once
// The user's seat played by 読み through exactly what the window uses: the
// session's commands for the moves and the Host for every question, each
// decided by the engine from what the seat may know. Its seeds come from
// the game's seed and the decision's number, so a game plays the same
// whatever the number of threads.

#include <cstdint>

#include "analysis/yomi.h"
#include "rules/silent_host.h"
#include "session/session.h"

namespace zunpa::sim {

class GameRecorder;

// Nothing is shown, played or waited for, as at a silent table.
class YomiUser : public SilentHost {
 public:
  YomiUser(std::uint64_t seed, const YomiSettings& settings, GameRecorder& recorder);
  void SitAt(Session& session) { session_ = &session; }

  // The user's move while the game waits for it, then the computer moves
  // it sets going.
  void Act();

  Answer ShowMessage(const Message& m) override;
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;

 private:
  Choice Decide(Question q);
  Answer AnswerDrawTwo(std::string_view question, const Message& m);

  std::uint64_t seed_;
  std::uint64_t decisions_ = 0;
  YomiSettings settings_;
  GameRecorder& recorder_;
  Session* session_ = nullptr;
  // The 2 chosen at the draw-two question, offered back one suit at a time.
  int chosenTwo_ = 0;
};

}  // namespace zunpa::sim
