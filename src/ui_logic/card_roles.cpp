#include "ui_logic/card_roles.h"

namespace zunpa::ui {

std::array<std::string, 13> RoleEntryTexts() {
  std::array<std::string, 13> texts;
  for (int k = 0; k < 13; ++k)
    texts[k] = std::to_string(k + 1);
  return texts;
}

RoleEntries OpenRoleEntries(const Roles& r) {
  return {r.SuitChangeRank - 1, r.ReverseRank - 1, r.SkipRank - 1};
}

RolesOk PressRolesOk(const RoleEntries& entries) {
  const Roles chosen{entries[0] + 1, entries[1] + 1, entries[2] + 1};
  const std::string_view problem = RolesProblem(chosen);
  if (!problem.empty()) {
    Message m{std::string(problem)};
    m.icon = Icon::Information;
    // The 2 refusal apologises; the duplicate one names the dialog.
    m.title = problem == "2は設定できません" ? "すいません" : "カード設定";
    return {std::nullopt, m};
  }
  // The lists offer nothing else, but a rank outside them is never stored.
  if (!RolesValid(chosen)) return {};
  return {chosen, std::nullopt};
}

}  // namespace zunpa::ui
