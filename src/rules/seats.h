#pragma once
// Who plays at each seat. Seats 1..3 are computer characters; seat 4 is the
// user in the app and a fourth character in headless play.

#include <array>
#include <optional>
#include <string>

#include "rules/characters.h"

namespace zunpa {

struct Seats {
  // The names chosen in player selection (SeatName1..SeatName4).
  std::array<std::string, kSeats> SeatName = {"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "Your Name"};
  int HumanSex = 1;
  // The names the seats play under (the name labels), and their characters;
  // a seat without a character is the user.
  std::array<std::string, kSeats> playing;
  std::array<std::optional<Character>, kSeats> character;

  bool IsHuman(int seat) const { return seat == 4 && !character[3]; }
  bool HumanPlays() const { return !character[3]; }
};

}  // namespace zunpa
