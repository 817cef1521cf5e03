#pragma once
// Texts are UTF-8 inside the program, and the windows count characters,
// not bytes: a half-width katakana is three bytes but one character.

#include <cstddef>
#include <string_view>

namespace zunpa::ui {

std::size_t CharacterCount(std::string_view text);
// The first `count` characters (all of them when there are fewer).
std::string_view FirstCharacters(std::string_view text, std::size_t count);
// Everything after the first `count` characters.
std::string_view AfterCharacters(std::string_view text, std::size_t count);

}  // namespace zunpa::ui
