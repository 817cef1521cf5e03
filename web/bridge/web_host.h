#pragma once
// The Host of the page: every question, dialog, pause and sound goes to the
// page's JavaScript and waits for its answer without blocking the page
// (the instance is built with Asyncify, so a call awaits a promise).

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "rules/game.h"
#include "rules/host.h"

namespace zunpa::web {

using Json = nlohmann::json;

// One question to the page: its kind ("message", "pause", ...) and data in,
// the page's answer out.
Json AskPage(const std::string& kind, const Json& data);
// A word to the page that wants no answer.
void TellPage(const std::string& kind, const Json& data);

class WebHost final : public Host {
 public:
  void SetGame(const Game& game) { game_ = &game; }

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
  const Game* game_ = nullptr;
};

Json MessageJson(const Message& message);
Answer AnswerNamed(const std::string& name);
// A message's "asked" as the page names it.
std::optional<Asked> AskedNamed(const std::string& name);

}  // namespace zunpa::web
