#include "flow/seat_names.h"

#include <set>

namespace zunpa {
namespace {

std::size_t ByteOffsetOfCharacter(std::string_view text, int count) {
  std::size_t i = 0;
  for (int n = 0; n < count && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
      ++i;
  }
  return i;
}

}  // namespace

std::string FirstCharacters(std::string_view text, int count) {
  return std::string(text.substr(0, ByteOffsetOfCharacter(text, count)));
}

std::string CharactersFrom(std::string_view text, int count) {
  return std::string(text.substr(ByteOffsetOfCharacter(text, count)));
}

bool ComputerSeatsAreThreeCharacters(const std::array<std::string, kSeats>& names) {
  std::set<std::string> distinct;
  for (int i = 0; i < 3; ++i)
    if (CharacterNamed(names[i])) distinct.insert(names[i]);
  return distinct.size() == 3;
}

void SeatComputers(Game& g, const std::array<Character, kSeats>& characters) {
  for (int i = 0; i < kSeats; ++i)
    g.seats.SeatName[i] = std::string(NameOf(characters[i]));
  g.seats.character[3] = characters[3];
  ShowSeatNames(g);
}

void ShowSeatNames(Game& g) {
  Seats& seats = g.seats;
  for (int i = 0; i < kSeats; ++i) {
    seats.playing[i] = seats.SeatName[i];
    // Seat 4 is the user in the app; headless play sets its character itself.
    if (i < 3)
      if (const auto c = CharacterNamed(seats.SeatName[i])) seats.character[i] = *c;
  }
  if (!g.watching) return;
  for (int i = 0; i < kSeats; ++i) {
    auto& column = g.display.sheet.columns[i];
    column[21].caption = FirstCharacters(seats.playing[i], 4);
    column[0].caption = CharactersFrom(seats.playing[i], 4);
    SeatPanel& panel = g.display.seats[i];
    panel.name = seats.playing[i];
    if (const auto& c = seats.character[i]) {
      panel.nameColour = panel.standingColour = ColourOf(*c);
      column[21].colour = column[0].colour = ColourOf(*c);
    }
  }
}

}  // namespace zunpa
