#pragma once
// The log's short, stable names for what the game asks the user and for
// the answers. A question is known by the name the game gives it.

#include <string_view>

#include "rules/host.h"

namespace zunpa::sim {

// "zunpa", "counter", "play_two", "which_two", "reset", or "other" for a
// question this list does not know.
std::string_view QuestionId(const Message& m);
// "ok", "cancel", "yes", "no".
std::string_view AnswerId(Answer a);
// "spade", "heart", "club", "diamond" for suits 0..3.
std::string_view SuitId(int suit);

}  // namespace zunpa::sim
