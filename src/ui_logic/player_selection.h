#pragma once
// frmPLSEL: the three opponents in seat order, the user's name and voice.
// The dialog keeps its lists here and asks these functions what a button
// or a click does; it ends only through OK or キャンセル.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/host.h"

namespace zunpa::ui {

// The name box holds at most this many characters.
constexpr std::size_t kNameMaxCharacters = 32;

struct PlayerSelection {
  std::vector<std::string> out;  // lstPL(0): characters not taking part, cast order first
  std::vector<std::string> in;   // lstPL(1): taking part, in seat order
  std::string name;              // txtNAME
  int sex = 1;                   // optSEX
  // What the dialog hands back: OK writes the seats before it checks the
  // name, so a refused OK followed by Cancel still changes them.
  SeatSetup seats;
};

struct SelectionButtons {
  bool moveIn = false;   // "→"
  bool moveOut = false;  // "←"
  bool ok = false;
};

// Makes a text safe for the data files (CP932); the window passes the
// files' own cleaner.
using TextCleaner = std::function<std::string(std::string_view)>;

PlayerSelection OpenPlayerSelection(const SeatSetup& seats);
SelectionButtons ButtonsOf(const PlayerSelection& selection);
// "→" and "←" with entry `entry` of their list selected; nothing happens
// when the button is disabled or the entry does not exist.
void MoveIn(PlayerSelection& selection, int entry);
void MoveOut(PlayerSelection& selection, int entry);
// A click on an entry moves it at once.
void ClickOutList(PlayerSelection& selection, int entry);
void ClickInList(PlayerSelection& selection, int entry);
// What the name box keeps of a typed or pasted text.
std::string LimitName(std::string_view text);

struct SelectionEnd {
  bool closes = false;
  bool accepted = false;  // SelectionAccepted
  std::optional<Message> message;
};
SelectionEnd PressOk(PlayerSelection& selection, const TextCleaner& clean);
SelectionEnd PressCancel();

}  // namespace zunpa::ui
