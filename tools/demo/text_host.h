#pragma once
// A host that writes the game as text: messages, call-outs and moves.

#include <iosfwd>

#include "rules/host.h"
#include "rules/play_observer.h"

namespace zunpa {

class TextHost : public Host, public PlayObserver {
 public:
  explicit TextHost(std::ostream& out) : out_(out) {}
  // Pauses at the game's own pace instead of skipping them.
  bool paced = false;

  Answer ShowMessage(const Message& message) override;
  void Pause(double seconds) override;
  void ProcessEvents() override {}
  void PlaySound(const std::string&) override {}
  void Announce(const Announcement& announcement) override;
  void DisplayChanged() override {}
  void ShowScoreSheet() override {}
  bool SelectPlayers(SeatSetup&) override { return true; }
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override { return suggestion; }
  void ShowRoundResult(const RoundResult& result) override;
  void ShowFinalResult(const FinalResult& result) override;
  std::optional<std::string> EnterName(const std::string&, const std::string& preset) override { return preset; }
  void ShowHighScores(HighScoreBoard&) override {}

  void OnDeal(const Game& g) override;
  void OnOpen(const Game& g, int code) override;
  void OnPlay(const Game& g, int seat, int code) override;
  void OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) override;
  void OnReshuffle(const Game& g) override;
  void OnDeclare(const Game& g, int seat, int suit) override;

 private:
  std::ostream& out_;
};

// "♠A", "♥10", "♣K" …
std::string CardText(int code);

}  // namespace zunpa
