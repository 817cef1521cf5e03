#pragma once
// The per-user settings store, "ZunpaS": "Options" is the game's own and
// only read; "Game" keeps the number of the saved game, which the
// saved-game file has no place for; "View" keeps how the window was last
// laid out.

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
// "View/logPanel": whether 経過 is shown beside the table; hidden until
// the user first shows it.
bool LogPanelSetting();
void KeepLogPanelSetting(bool shown);
// "View/cardMotion": whether cards slide to their places. Absent counts as
// true.
bool CardMotionSetting();
void StoreCardMotionSetting(bool on);
// "View/yomiOnQuestions": whether 読み weighs the questions' answers too.
// Absent counts as false.
bool YomiOnQuestionsSetting();
void StoreYomiOnQuestionsSetting(bool on);

}  // namespace zunpa::qt
