#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "widgets/program_folder.h"

namespace zunpa::testing {

QString MakeProgramFolder(const QTemporaryDir& dir, const QStringList& patterns) {
  const QDir build(ZUNPA_PROGRAM_DIR);
  for (const QString& name : build.entryList(patterns, QDir::Files))
    QFile::link(build.filePath(name), QDir(dir.path()).filePath(name));
  return dir.path();
}

}  // namespace zunpa::testing
