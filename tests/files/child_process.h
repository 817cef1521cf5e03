#pragma once
// Runs a piece of a test in a forked child, where it may fill the disk or
// be killed without harming the test itself.

#include <functional>

namespace zunpa::testing {

// The child's exit status, or 128 + the signal that ended it.
int ExitOfChild(const std::function<int()>& body);
// From here on this process may write no byte to any file, as on a full
// disk: writes fail with an error instead of a signal.
void FillTheDisk();

}  // namespace zunpa::testing
