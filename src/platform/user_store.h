#pragma once
// The per-user settings store "ZunpaS": its "Options" are read, never
// written; "View" keeps the window's own choices.

namespace zunpa::qt {

// "temae": whether the score table starts in front of other windows.
// Absent, or not a boolean, counts as true.
bool ScoreTableInFrontSetting();

// "View/cardMotion": whether cards slide to their places. Absent counts as
// true.
bool CardMotionSetting();
void StoreCardMotionSetting(bool on);

}  // namespace zunpa::qt
