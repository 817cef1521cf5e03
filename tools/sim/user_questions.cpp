#include "user_questions.h"

#include <array>

namespace zunpa::sim {

std::string_view QuestionId(const Message& m) {
  const std::string_view text = m.text;
  if (text == "ズンパできます。しますか？") return "zunpa";
  if (text == "ズンパ返しできます。しますか？") return "counter";
  if (text == "リセットしますか？") return "reset";
  // "２が１枚あります。出しますか？", "２が3枚あります。出しますか？"
  if (text.starts_with("２が") && text.ends_with("枚あります。出しますか？")) return "play_two";
  // "スペードの２を出しますか？" and the other suits
  if (text.ends_with("の２を出しますか？")) return "which_two";
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
