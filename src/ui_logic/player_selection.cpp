#include "ui_logic/player_selection.h"

#include <algorithm>

#include "rules/characters.h"
#include "ui_logic/utf8_text.h"

namespace zunpa::ui {
namespace {

bool Move(std::vector<std::string>& from, std::vector<std::string>& to, int entry) {
  if (entry < 0 || entry >= static_cast<int>(from.size())) return false;
  to.push_back(from[entry]);
  from.erase(from.begin() + entry);
  return true;
}

}  // namespace

PlayerSelection OpenPlayerSelection(const SeatSetup& seats) {
  PlayerSelection s;
  s.seats = seats;
  s.in.assign(seats.names.begin(), seats.names.begin() + 3);
  s.name = seats.names[3];
  s.sex = seats.humanSex;
  for (std::string_view character : kCharacterNames)
    if (std::find(s.in.begin(), s.in.end(), character) == s.in.end()) s.out.emplace_back(character);
  return s;
}

SelectionButtons ButtonsOf(const PlayerSelection& s) {
  const std::size_t n = s.in.size();
  return {.moveIn = n<3, .moveOut = n> 0, .ok = n == 3};
}

void MoveIn(PlayerSelection& s, int entry) {
  if (ButtonsOf(s).moveIn) Move(s.out, s.in, entry);
}

void MoveOut(PlayerSelection& s, int entry) {
  if (ButtonsOf(s).moveOut) Move(s.in, s.out, entry);
}

void ClickOutList(PlayerSelection& s, int entry) {
  MoveIn(s, entry);
}

void ClickInList(PlayerSelection& s, int entry) {
  MoveOut(s, entry);
}

std::string LimitName(std::string_view text) {
  return std::string(FirstCharacters(text, kNameMaxCharacters));
}

SelectionEnd PressOk(PlayerSelection& s, const TextCleaner& clean) {
  if (!ButtonsOf(s).ok) return {};
  std::copy(s.in.begin(), s.in.end(), s.seats.names.begin());
  // Cleaned before the clash check: the name compared is the name kept.
  const std::string name = clean(LimitName(s.name));
  if (std::find(s.in.begin(), s.in.end(), name) != s.in.end())
    return {
        .closes = false, .accepted = true, .message = Message{"この名前は使用されています。別の名前にしてください。"}};
  s.seats.names[3] = name;
  s.seats.humanSex = s.sex;
  return {.closes = true, .accepted = true, .message = std::nullopt};
}

SelectionEnd PressCancel() {
  return {.closes = true, .accepted = false, .message = std::nullopt};
}

}  // namespace zunpa::ui
