#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "widgets/test_sandbox.h"

namespace zunpa::testing {

// Test mode alone sends every test program to one shared file under
// ~/.qttest, kept across runs.
QString EnterTestSandbox() {
  static QTemporaryDir store;
  static const bool entered = [] {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    return store.isValid();
  }();
  return entered ? store.path() : QString();
}

}  // namespace zunpa::testing
