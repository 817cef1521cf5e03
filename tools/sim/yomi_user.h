#pragma once
// The user's seat played by 読み through exactly what the window uses: the
// session's commands for the moves and the Host for every question, each
// decided by the engine from what the seat may know. Its seeds come from
// the game's seed and the decision's number, so a game plays the same
// whatever the number of threads.

#include <cstdint>

#include "analysis/yomi.h"
#include "rules/host.h"
#include "session/session.h"

namespace zunpa::sim {

class GameRecorder;

class YomiUser : public Host {
 public:
  YomiUser(std::uint64_t seed, const YomiSettings& settings, GameRecorder& recorder);
  void SitAt(Session& session) { session_ = &session; }

  // The user's move while the game waits for it, then the computer moves
  // it sets going.
  void Act();

  Answer ShowMessage(const Message& m) override;
  void Pause(double) override {}
  void ProcessEvents() override {}
  void PlaySound(const std::string&) override {}
  void Announce(const Announcement&) override {}
  void DisplayChanged() override {}
  void ShowScoreSheet() override {}
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  void ShowRoundResult(const RoundResult&) override {}
  void ShowFinalResult(const FinalResult&) override {}
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;
  void ShowHighScores(HighScoreBoard&) override {}

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
