#include "scripted_host.h"

#include <gtest/gtest.h>

namespace zunpa::testing {

Answer ScriptedHost::ShowMessage(const zunpa::Message& m) {
  Answer answer = Answer::Ok;
  if (m.buttons != Buttons::Ok) {
    if (answers.empty()) {
      if (strict) ADD_FAILURE() << "unscripted question: " << m.text;
      answer = m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    } else {
      answer = answers.front();
      answers.pop_front();
    }
  }
  events.push_back({Event::Message, m.text, m.title, m.buttons, m.icon, 0, 0, 0, answer, m.asked, m.suit});
  return answer;
}

void ScriptedHost::Pause(double seconds) {
  Event e{Event::Pause, "", ""};
  e.seconds = seconds;
  events.push_back(e);
}

void ScriptedHost::PlaySound(const std::string& path) {
  const auto slash = path.find_last_of('/');
  events.push_back({Event::Sound, slash == std::string::npos ? path : path.substr(slash + 1), ""});
}

void ScriptedHost::Announce(const Announcement& a) {
  Event e{Event::Announce, std::string(a.text), a.voiceFile};
  e.code = a.code;
  e.speaker = a.speaker;
  e.seconds = a.balloonSeconds;
  events.push_back(e);
}

bool ScriptedHost::SelectPlayers(SeatSetup& setup) {
  events.push_back({Event::SelectPlayers, "", ""});
  if (playerSelections.empty()) return false;
  const SeatSetup next = playerSelections.front();
  playerSelections.pop_front();
  if (next.names[0].empty()) return false;
  setup = next;
  return true;
}

SuitChoice ScriptedHost::ChooseSuit(const SuitChoice& suggestion) {
  Event e{Event::ChooseSuit, "", ""};
  e.code = suggestion.suit;
  events.push_back(e);
  if (suitChoices.empty()) return suggestion;
  const SuitChoice choice = suitChoices.front();
  suitChoices.pop_front();
  return choice;
}

void ScriptedHost::ShowRoundResult(const zunpa::RoundResult& result) {
  events.push_back({Event::RoundResult, "", ""});
  roundResults.push_back(result);
}

void ScriptedHost::ShowFinalResult(const zunpa::FinalResult& result) {
  events.push_back({Event::FinalResult, "", ""});
  finalResults.push_back(result);
}

std::vector<Event> ScriptedHost::OfKind(Event::Kind kind) const {
  std::vector<Event> out;
  for (const Event& e : events)
    if (e.kind == kind) out.push_back(e);
  return out;
}

std::vector<std::string> ScriptedHost::MessageTexts() const {
  std::vector<std::string> out;
  for (const Event& e : OfKind(Event::Message))
    out.push_back(e.text);
  return out;
}

std::vector<std::string> ScriptedHost::Callouts() const {
  std::vector<std::string> out;
  for (const Event& e : OfKind(Event::Announce))
    out.push_back(std::to_string(e.code) + "@" + std::to_string(e.speaker));
  return out;
}

std::vector<std::string> ScriptedHost::Sounds() const {
  std::vector<std::string> out;
  for (const Event& e : OfKind(Event::Sound))
    out.push_back(e.text);
  return out;
}

}  // namespace zunpa::testing

namespace zunpa::testing {

std::optional<std::string> ScriptedHost::EnterName(const std::string& message, const std::string& preset) {
  events.push_back({Event::EnterName, message, preset});
  if (names.empty()) return preset;
  const auto name = names.front();
  names.pop_front();
  return name;
}

void ScriptedHost::ShowHighScores(HighScoreBoard& board) {
  events.push_back({Event::HighScores, "", ""});
  if (!pressClear.empty()) {
    const bool press = pressClear.front();
    pressClear.pop_front();
    if (press) board.Clear();
  }
  highScoreTables.push_back(board.Cells());
}

}  // namespace zunpa::testing
