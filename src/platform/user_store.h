#pragma once
// The per-user settings store, "ZunpaS" / "Options": read, never written.

namespace zunpa::qt {

// "temae": whether the score table starts in front of other windows.
// Absent, or not a boolean, counts as true.
bool ScoreTableInFrontSetting();

}  // namespace zunpa::qt
