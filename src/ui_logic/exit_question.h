#pragma once
// The exit item asks first; the close box does not.

#include "rules/host.h"

namespace zunpa::ui {

Message ExitQuestion();
// Only OK ends the program; Cancel leaves everything as it was.
bool ExitConfirmed(Answer answer);

}  // namespace zunpa::ui
