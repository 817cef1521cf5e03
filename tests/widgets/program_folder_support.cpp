#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "widgets/program_folder.h"

namespace zunpa::testing {

QString LinkProgramFolder(const QString& from, const QTemporaryDir& dir, const QStringList& patterns) {
  const QDir build(from);
  for (const QString& name : build.entryList(patterns, QDir::Files))
    QFile::link(build.filePath(name), QDir(dir.path()).filePath(name));
  return dir.path();
}

}  // namespace zunpa::testing
