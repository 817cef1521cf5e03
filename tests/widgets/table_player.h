#pragma once
// Plays the user's seat of a real main window by clicks: the first
// playable card, or "めくる" when none is.

#include <functional>

namespace zunpa::qt {
class MainWindow;
}

namespace zunpa::testing {

bool UserToMove(qt::MainWindow& window);
void MakeTheUsersMove(qt::MainWindow& window);
// Plays until `done` holds, letting the window run; false when four
// minutes pass first.
bool PlayUntil(qt::MainWindow& window, const std::function<bool()>& done);

}  // namespace zunpa::testing
