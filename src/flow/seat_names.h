#pragma once
// Writing the seat names of a starting or resumed game onto the table and
// the score sheet.

#include <array>
#include <string>
#include <string_view>

#include "rules/game.h"

namespace zunpa {

void ShowSeatNames(Game& g);
// Seats 1..3 carry three different character names.
bool ComputerSeatsAreThreeCharacters(const std::array<std::string, kSeats>& names);
// Seats four computer characters, seat 4 included: a table nobody sits at.
void SeatComputers(Game& g, const std::array<Character, kSeats>& characters);
// The first `count` characters of a UTF-8 text, and the rest.
std::string FirstCharacters(std::string_view text, int count);
std::string CharactersFrom(std::string_view text, int count);

}  // namespace zunpa
