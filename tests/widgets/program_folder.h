#pragma once
// A program folder of its own for each test: the build's pictures, sounds
// and manual linked in, and room for the data files the game writes.

#include <QString>
#include <QStringList>

class QTemporaryDir;

namespace zunpa::testing {

// Links every file of the build's program folder whose name matches one
// of `patterns` into `dir`; returns the folder's path.
QString MakeProgramFolder(const QTemporaryDir& dir,
                          const QStringList& patterns = {"*.bmp", "*.ICO", "*.wav", "*.hlp", "zunpas.png"});

}  // namespace zunpa::testing
