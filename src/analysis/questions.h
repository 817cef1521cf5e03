#pragma once
// The user's questions as the game names them: which of 読み's questions a
// message is.

#include <optional>

#include "analysis/yomi.h"
#include "rules/host.h"

namespace zunpa {

std::optional<Question> QuestionOf(const Message& m);
// The draw-two question that offers one 2 ("ハートの２を出しますか？"): its
// suit 1..4; 0 for any other message.
int TwoOfferedBy(const Message& m);

}  // namespace zunpa
