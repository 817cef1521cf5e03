#pragma once
// Where the game finds its pictures, sounds and manual, and where it keeps
// its four data files.

#include <QString>
#include <functional>

namespace zunpa::qt {

// The program folder of an executable in `executableFolder`: an installed
// game's `../share/zunpas` when that holds the pictures, else the
// executable's own folder (the build folder, or a Windows install).
QString ProgramFolderBeside(const QString& executableFolder);

// True when a file can be made in `folder` (a real write, so it holds for
// any user, root included).
bool FolderTakesWrites(const QString& folder);

// The data files stay in the program folder while it takes writes; an
// installed one (read-only, or the package manager's even for root) sends
// them to the user's data folder, which is made when missing.
QString DataFolderFor(const QString& programFolder);
QString DataFolderFor(const QString& programFolder, const std::function<bool(const QString&)>& takesWrites,
                      const QString& userFolder);

}  // namespace zunpa::qt
