#pragma once
// Writing the seat names of a starting or resumed game onto the table and
// the score sheet.

#include <string>
#include <string_view>

#include "engine/game.h"

namespace zunpa {

void ShowSeatNames(Game& g);
// The first `count` characters of a UTF-8 text, and the rest.
std::string FirstCharacters(std::string_view text, int count);
std::string CharactersFrom(std::string_view text, int count);

}  // namespace zunpa
