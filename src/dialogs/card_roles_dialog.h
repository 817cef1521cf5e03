#pragma once
// frmCSET, "カード設定": the ranks of suit change, reverse and skip.

#include <optional>

#include "rules/roles.h"

class QWidget;

namespace zunpa::qt {

// The new roles on an accepted OK; nothing on Cancel.
std::optional<Roles> RunCardRoles(QWidget* mainWindow, const Roles& roles);

}  // namespace zunpa::qt
