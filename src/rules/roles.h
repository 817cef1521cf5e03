#pragma once
// The card-role table: which ranks reverse, skip and change the suit.
// Draw-two always belongs to rank 2.

#include <string_view>

namespace zunpa {

struct Roles {
  int SuitChangeRank = 11;
  int ReverseRank = 8;
  int SkipRank = 10;
  friend bool operator==(const Roles&, const Roles&) = default;
};

// The three ranks must be distinct, lie in 1..13 and never be 2.
bool RolesValid(const Roles& roles);

// The refusal the card-role dialog shows for an assignment, or empty when it
// is acceptable. A 2 is reported before a duplicate.
std::string_view RolesProblem(const Roles& roles);

}  // namespace zunpa
