#pragma once
// zunpa-sim's command line.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "rules/characters.h"
#include "rules/random_source.h"
#include "rules/roles.h"

namespace zunpa::sim {

struct SimOptions {
  long games = 1000;
  std::uint64_t seed = 1;
  // Game g of the run is then numbered game number + g, dealt as the
  // window deals that number; the seed still drives the random user.
  std::optional<std::uint64_t> number;
  std::array<Character, 4> players = {Character::Agarita, Character::TrickUme, Character::Zunpasky,
                                      Character::KiOokuman};
  // Seat 4 is then the user, played at random through the window's
  // commands and questions, and players[3] is not used.
  bool randomUser = false;
  // Seat 4 is then the user, played by 読み through the window's commands
  // and questions, with this many deals per decision.
  bool yomiUser = false;
  int yomiSamples = 2048;
  bool yomiReads = true;
  bool yomiOwnTotal = false;
  Roles roles;
  int threads = 0;  // 0: one per core
  std::string logPath;
  bool json = false;
  int maxMoves = 10000;
  bool check = false;
  bool help = false;
};

// The options, or the one line that says what is wrong with the arguments.
std::variant<SimOptions, std::string> ParseArguments(const std::vector<std::string>& args);
std::string HelpText();
// A character by its name or its ASCII alias (case does not matter).
std::optional<Character> CharacterByNameOrAlias(const std::string& text);
// What the report calls each seat: its character, or the random user.
std::array<std::string, 4> SeatLabels(const SimOptions& options);

}  // namespace zunpa::sim
