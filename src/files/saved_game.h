#pragma once
// "SaveData.txt": the one saved game, 107 lines: the round, the seats, the
// scores and the whole score sheet.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace zunpa {

inline constexpr std::string_view kSavedGameFile = "SaveData.txt";
constexpr int kSavedGameLines = 107;

struct SavedGame {
  int roundNo = 1;
  int humanSex = 1;
  std::array<std::string, kSeats> names;
  std::array<double, kSeats> lastPoints{};
  std::array<int, kSeats> totals{}, wins{}, zunpaWins{}, zunpaLosses{};
  std::array<std::array<SheetCell, kSeats>, kRoundsInGame> cells;  // [round - 1][seat - 1]
};

// The whole file, checked: nothing unless every line is of its form and
// the computer seats are three different characters.
std::optional<SavedGame> ParseSavedGame(std::string_view bytes);
std::vector<std::string> SavedGameLines(const SavedGame& saved);

SavedGame SavedGameOf(const Game& g);
// False when the file could not be written; the previous one is then kept.
bool WriteSavedGame(const Game& g);
// The save command: asks, then writes the file; a failure is reported and
// the game goes on unchanged. True when the file was written.
bool SaveGame(Game& g);
// The warnings of a save that could not be written, and of a saved game
// that is missing or cannot be read.
void ReportSaveFault(Game& g);
void ReportNoSavedGame(Game& g);
// The continue command: asks, reads and checks the whole file, and only
// then replaces the game and deals the saved round again; its moves are
// the steps that follow. With a number, the game goes on as that numbered
// game; without, the random source goes on as it is.
void ContinueGame(Game& g, std::optional<std::uint64_t> number = std::nullopt);

// Score-sheet colours in the files: red + 256 green + 65536 blue, or a
// negative platform colour code.
std::int32_t FileColourOf(const SheetCell& cell);
void SetFileColour(SheetCell& cell, std::int32_t value);

}  // namespace zunpa
