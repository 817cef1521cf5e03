#pragma once
// The window's Host as the game sees it while a session runs: once a stop
// is requested, no call goes out and no answer comes back. The step that
// made the call unwinds instead, so nothing acts on an answer the person
// never gave.

#include <functional>
#include <type_traits>

#include "rules/host.h"

namespace zunpa {

// Thrown through the game's routines to end a step at once.
struct StopRequested {};

class GuardedHost : public Host {
 public:
  GuardedHost(Host& inner, const bool& stopRequested) : inner_(inner), stopRequested_(stopRequested) {}
  // While false, calls pass whatever was requested (the exit question).
  bool guarding = true;
  // Told of every answer the user gives, before the game acts on it.
  std::function<void(const Message&, Answer)> answered;
  std::function<void(int suit)> suitChosen;

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
  void Check() const {
    if (guarding && stopRequested_) throw StopRequested{};
  }
  template <typename Call>
  auto Guard(Call call) {
    Check();
    if constexpr (std::is_void_v<decltype(call())>) {
      call();
      Check();
    } else {
      auto result = call();
      Check();
      return result;
    }
  }

  Host& inner_;
  const bool& stopRequested_;
};

}  // namespace zunpa
