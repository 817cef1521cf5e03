#include "user_questions.h"

#include <array>

namespace zunpa::sim {

std::string_view QuestionId(const Message& m) {
  switch (m.asked) {
    case Asked::Zunpa:
      return "zunpa";
    case Asked::Counter:
      return "counter";
    case Asked::Reset:
      return "reset";
    case Asked::PlayTwo:
      return "play_two";
    case Asked::TwoOfSuit:
      return "which_two";
    case Asked::None:
      break;
  }
  return "other";
}

std::string_view AnswerId(Answer a) {
  switch (a) {
    case Answer::Ok:
      return "ok";
    case Answer::Cancel:
      return "cancel";
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
  }
  return "other";
}

std::string_view SuitId(int suit) {
  static constexpr std::array<std::string_view, 4> kSuits = {"spade", "heart", "club", "diamond"};
  return suit >= 0 && suit < 4 ? kSuits[suit] : "other";
}

}  // namespace zunpa::sim
