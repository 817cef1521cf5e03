#pragma once
// frmCSET: three drop-down lists of "1" to "13" for the suit change,
// reverse and skip ranks; entry k stands for rank k + 1.

#include <array>
#include <optional>
#include <string>

#include "rules/host.h"
#include "rules/roles.h"

namespace zunpa::ui {

// List order: suit change, reverse, skip.
using RoleEntries = std::array<int, 3>;

std::array<std::string, 13> RoleEntryTexts();
RoleEntries OpenRoleEntries(const Roles& roles);

struct RolesOk {
  std::optional<Roles> roles;  // set when the dialog closes with them
  std::optional<Message> refusal;
};
// A refusal keeps the dialog open with the choices as they are.
RolesOk PressRolesOk(const RoleEntries& entries);

}  // namespace zunpa::ui
