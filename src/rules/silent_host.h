#pragma once
// A host for tables nobody watches: every message is answered OK or Yes,
// nothing is shown, played or waited for.

#include "rules/host.h"

namespace zunpa {

class SilentHost : public Host {
 public:
  Answer ShowMessage(const Message& m) override { return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok; }
  void Pause(double) override {}
  void ProcessEvents() override {}
  void PlaySound(const std::string&) override {}
  void Announce(const Announcement&) override {}
  void DisplayChanged() override {}
  void ShowScoreSheet() override {}
  bool SelectPlayers(SeatSetup&) override { return true; }
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override { return suggestion; }
  void ShowRoundResult(const RoundResult&) override {}
  void ShowFinalResult(const FinalResult&) override {}
  std::optional<std::string> EnterName(const std::string&, const std::string& preset) override { return preset; }
  void ShowHighScores(HighScoreBoard&) override {}
};

}  // namespace zunpa
