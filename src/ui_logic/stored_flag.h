#pragma once
// A yes/no value of the per-user store, as text.

#include <optional>
#include <string_view>

namespace zunpa::ui {

// "True"/"False" in any case, or a number (non-zero is true). Anything
// else, and a value that is absent, counts as true: a stray entry must not
// stop the score table from coming up in front.
bool StoredFlagOrTrue(std::optional<std::string_view> text);

}  // namespace zunpa::ui
