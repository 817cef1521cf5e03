#include "analysis/questions.h"

namespace zunpa {

std::optional<Question> QuestionOf(const Message& m) {
  switch (m.asked) {
    case Asked::Zunpa:
      return Question::Zunpa;
    case Asked::Counter:
      return Question::Counter;
    case Asked::PlayTwo:
    case Asked::TwoOfSuit:
      return Question::DrawTwo;
    case Asked::None:
    case Asked::Reset:
      break;
  }
  return std::nullopt;
}

int TwoOfferedBy(const Message& m) {
  return m.asked == Asked::TwoOfSuit ? m.suit : 0;
}

}  // namespace zunpa
