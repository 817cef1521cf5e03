#include "session/guarded_host.h"

namespace zunpa {

Answer GuardedHost::ShowMessage(const Message& message) {
  const Answer answer = Guard([&] { return inner_.ShowMessage(message); });
  if (answered) answered(message, answer);
  return answer;
}
void GuardedHost::Pause(double seconds) {
  Guard([&] { inner_.Pause(seconds); });
}
void GuardedHost::ProcessEvents() {
  Guard([&] { inner_.ProcessEvents(); });
}
void GuardedHost::PlaySound(const std::string& path) {
  Guard([&] { inner_.PlaySound(path); });
}
void GuardedHost::Announce(const Announcement& announcement) {
  Guard([&] { inner_.Announce(announcement); });
}
void GuardedHost::DisplayChanged() {
  Guard([&] { inner_.DisplayChanged(); });
}
void GuardedHost::ShowScoreSheet() {
  Guard([&] { inner_.ShowScoreSheet(); });
}
bool GuardedHost::SelectPlayers(SeatSetup& setup) {
  return Guard([&] { return inner_.SelectPlayers(setup); });
}
SuitChoice GuardedHost::ChooseSuit(const SuitChoice& suggestion) {
  const SuitChoice choice = Guard([&] { return inner_.ChooseSuit(suggestion); });
  if (suitChosen) suitChosen(choice.suit);
  return choice;
}
void GuardedHost::ShowRoundResult(const RoundResult& result) {
  Guard([&] { inner_.ShowRoundResult(result); });
}
void GuardedHost::ShowFinalResult(const FinalResult& result) {
  Guard([&] { inner_.ShowFinalResult(result); });
}
std::optional<std::string> GuardedHost::EnterName(const std::string& message, const std::string& preset) {
  return Guard([&] { return inner_.EnterName(message, preset); });
}
void GuardedHost::ShowHighScores(HighScoreBoard& board) {
  Guard([&] { inner_.ShowHighScores(board); });
}

}  // namespace zunpa
