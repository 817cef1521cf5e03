#pragma once
// Game numbers as the window shows them and as the user types them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "rules/host.h"

namespace zunpa::ui {

// The window's title: the program's, then the number of the game on the
// table once there is one.
std::string WindowTitle(std::optional<std::uint64_t> gameNumber);

// What the number dialog asks.
std::string GameNumberPrompt();
// The typed text read as a game number (ASCII or full-width digits,
// blanks around ignored), or the message that says what is wrong with it.
std::variant<std::uint64_t, Message> ReadGameNumber(std::string_view text);

}  // namespace zunpa::ui
