#pragma once
// The per-user settings store, "ZunpaS": "Options" is the game's own and
// only read; "View" keeps how the window was last laid out.

namespace zunpa::qt {

// "temae": whether the score table starts in front of other windows.
// Absent, or not a boolean, counts as true.
bool ScoreTableInFrontSetting();

// "View/logPanel": whether 経過 is shown beside the table; hidden until
// the user first shows it.
bool LogPanelSetting();
void KeepLogPanelSetting(bool shown);

}  // namespace zunpa::qt
