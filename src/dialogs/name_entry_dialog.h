#pragma once
// frmINPUT, "記録": the name for a new high score.

#include <optional>
#include <string>

class QWidget;

namespace zunpa::qt {

// The name on OK, at most 32 characters and cleaned as the files clean it;
// nothing when the window was closed otherwise.
std::optional<std::string> RunNameEntry(QWidget* mainWindow, const std::string& message, const std::string& preset);

}  // namespace zunpa::qt
