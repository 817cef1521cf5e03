#include "platform/game_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zunpa::qt {

QString ProgramFolderBeside(const QString& executableFolder) {
  const QString installed = QDir(executableFolder).filePath("../share/zunpas");
  if (QFileInfo(QDir(installed).filePath("ura.bmp")).isFile()) return QDir::cleanPath(installed);
  return executableFolder;
}

bool FolderTakesWrites(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(QDir(folder).filePath(".write-probe-XXXXXX"));
  return probe.open();
}

namespace {

// An installed game's folder belongs to the package manager: even where it
// takes writes (for root), the data files do not go there.
bool IsInstalledProgramFolder(const QString& folder) {
  const QString executableFolder = QCoreApplication::applicationDirPath();
  const QString installed = ProgramFolderBeside(executableFolder);
  return installed != executableFolder && QDir::cleanPath(folder) == installed;
}

}  // namespace

QString DataFolderFor(const QString& programFolder) {
  const auto takesWrites = [](const QString& folder) {
    return !IsInstalledProgramFolder(folder) && FolderTakesWrites(folder);
  };
  return DataFolderFor(programFolder, takesWrites, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DataFolderFor(const QString& programFolder, const std::function<bool(const QString&)>& takesWrites,
                      const QString& userFolder) {
  if (takesWrites(programFolder)) return programFolder;
  // Made here so that the first write finds it; if it cannot be made, the
  // writes fail with the game's own messages.
  QDir().mkpath(userFolder);
  return userFolder;
}

}  // namespace zunpa::qt
