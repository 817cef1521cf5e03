#pragma once
// The per-user settings store, "ZunpaS": the score table's "Options" value,
// read only, and the number of the saved game, which the saved-game file
// has no place for.

#include <cstdint>
#include <optional>

namespace zunpa::qt {

// "temae": whether the score table starts in front of other windows.
// Absent, or not a boolean, counts as true.
bool ScoreTableInFrontSetting();

// The number of the game last saved; none when absent or not a game number.
std::optional<std::uint64_t> SavedGameNumber();
// Kept with every save; a game without a number clears it.
void KeepSavedGameNumber(std::optional<std::uint64_t> number);

}  // namespace zunpa::qt
