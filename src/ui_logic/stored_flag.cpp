#include "ui_logic/stored_flag.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "rules/decimal_text.h"

namespace zunpa::ui {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

bool SameLetters(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

bool StoredFlagOrTrue(std::optional<std::string_view> stored) {
  if (!stored) return true;
  const std::string_view text = Trimmed(*stored);
  if (SameLetters(text, "true")) return true;
  if (SameLetters(text, "false")) return false;
  if (const auto number = ReadDecimal(text, DecimalForm::kGeneral)) return *number != 0;
  return true;
}

}  // namespace zunpa::ui
