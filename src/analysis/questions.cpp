#include "analysis/questions.h"

#include "rules/cards.h"

namespace zunpa {

std::optional<Question> QuestionOf(const Message& m) {
  const std::string_view text = m.text;
  if (m.buttons != Buttons::YesNo) return std::nullopt;
  if (text == "ズンパできます。しますか？") return Question::Zunpa;
  if (text == "ズンパ返しできます。しますか？") return Question::Counter;
  if (text.starts_with("２が") && text.ends_with("枚あります。出しますか？")) return Question::DrawTwo;
  if (TwoOfferedBy(m) != 0) return Question::DrawTwo;
  return std::nullopt;
}

int TwoOfferedBy(const Message& m) {
  const std::string_view text = m.text;
  if (!text.ends_with("の２を出しますか？")) return 0;
  for (std::size_t s = 0; s < kSuitNames.size(); ++s)
    if (text.starts_with(kSuitNames[s])) return static_cast<int>(s) + 1;
  return 0;
}

}  // namespace zunpa
