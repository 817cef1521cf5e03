#pragma once
// A Host that answers from a script and writes down everything it is asked
// to do, so a test reads like the conversation at the table.

#include <deque>
#include <string>
#include <vector>

#include "rules/host.h"

namespace zunpa::testing {

struct Event {
  enum Kind {
    Message,
    Pause,
    Sound,
    Announce,
    SelectPlayers,
    ChooseSuit,
    RoundResult,
    FinalResult,
    ScoreSheet,
    EnterName,
    HighScores
  };
  Kind kind;
  std::string text;  // message text, sound file, announcement text
  std::string title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  int code = 0;
  int speaker = 0;
  double seconds = 0;
  Answer answer = Answer::Ok;
  Asked asked = Asked::None;  // a message's question and the 2 it offers
  int suit = 0;
};

class ScriptedHost : public Host {
 public:
  // Answers for questions (Yes/No, OK/Cancel), in order; OK-only boxes take
  // no answer. When the script runs out the test fails and Yes/OK is used.
  std::deque<Answer> answers;
  // When false, questions past the script are answered Yes/OK quietly.
  bool strict = true;
  std::deque<SuitChoice> suitChoices;
  std::deque<SeatSetup> playerSelections;                       // empty names: Cancel
  std::deque<std::optional<std::string>> names;                 // name entries; nothing: closed without OK
  std::deque<bool> pressClear;                                  // per high-score window: press クリア first
  std::vector<std::array<HighScoreCells, 10>> highScoreTables;  // as shown (after any clear)
  std::vector<Event> events;
  std::vector<zunpa::RoundResult> roundResults;
  std::vector<zunpa::FinalResult> finalResults;
  int displayChanges = 0;

  Answer ShowMessage(const zunpa::Message& message) override;
  void Pause(double seconds) override;
  void ProcessEvents() override {}
  void PlaySound(const std::string& path) override;
  void Announce(const Announcement& announcement) override;
  void DisplayChanged() override { ++displayChanges; }
  void ShowScoreSheet() override { events.push_back({Event::ScoreSheet, "", ""}); }
  bool SelectPlayers(SeatSetup& setup) override;
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override;
  void ShowRoundResult(const zunpa::RoundResult& result) override;
  void ShowFinalResult(const zunpa::FinalResult& result) override;
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override;
  void ShowHighScores(HighScoreBoard& board) override;

  std::vector<Event> OfKind(Event::Kind kind) const;
  std::vector<std::string> MessageTexts() const;
  // Announcement codes with speakers, as "509@2".
  std::vector<std::string> Callouts() const;
  std::vector<std::string> Sounds() const;
  void Forget() { events.clear(); }
};

}  // namespace zunpa::testing
