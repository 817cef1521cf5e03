#pragma once
// Every window test runs in a store of its own: the settings it writes
// (flags, the saved game's number, the panels' places) stay in a folder
// made for this run and gone after it, whatever other tests, beside it or
// before it, wrote in theirs.

#include <QString>

namespace zunpa::testing {

// Puts QStandardPaths in test mode and QSettings' user scope in a new
// folder of this run's own; the same folder on every call. Call it first
// in initTestCase.
QString EnterTestSandbox();

}  // namespace zunpa::testing
