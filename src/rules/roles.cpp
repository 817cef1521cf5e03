#include "rules/roles.h"

namespace zunpa {
namespace {
bool InRange(int rank) {
  return rank >= 1 && rank <= 13;
}
}  // namespace

std::string_view RolesProblem(const Roles& r) {
  if (r.SuitChangeRank == 2 || r.ReverseRank == 2 || r.SkipRank == 2) return "2は設定できません";
  if (r.SuitChangeRank == r.ReverseRank || r.SuitChangeRank == r.SkipRank || r.ReverseRank == r.SkipRank)
    return "設定値が重複しています";
  return {};
}

bool RolesValid(const Roles& r) {
  return InRange(r.SuitChangeRank) && InRange(r.ReverseRank) && InRange(r.SkipRank) && RolesProblem(r).empty();
}

}  // namespace zunpa
