#pragma once
// zunpa-sim's command line.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "rules/characters.h"
#include "rules/roles.h"

namespace zunpa::sim {

struct SimOptions {
  long games = 1000;
  std::uint64_t seed = 1;
  std::array<Character, 4> players = {Character::Agarita, Character::TrickUme, Character::Zunpasky,
                                      Character::KiOokuman};
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
std::string_view AliasOf(Character c);

}  // namespace zunpa::sim
