#pragma once
// A program folder of its own for each run: the build's pictures, sounds
// and manual linked in, and room for the data files the game writes.

#include <QString>
#include <QStringList>

class QTemporaryDir;

namespace zunpa::testing {

inline const QStringList kProgramFiles = {"*.bmp", "*.ICO", "*.wav", "*.hlp", "zunpas.png"};

// Links every file of the program folder `from` whose name matches one of
// `patterns` into `dir`; returns the new folder's path.
QString LinkProgramFolder(const QString& from, const QTemporaryDir& dir, const QStringList& patterns = kProgramFiles);

#ifdef ZUNPA_PROGRAM_DIR
// The same, from the build's program folder.
inline QString MakeProgramFolder(const QTemporaryDir& dir, const QStringList& patterns = kProgramFiles) {
  return LinkProgramFolder(ZUNPA_PROGRAM_DIR, dir, patterns);
}
#endif

}  // namespace zunpa::testing
