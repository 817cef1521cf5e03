#pragma once
// Decimal numbers in text the way std::from_chars and std::to_chars of a
// double read and write them, where a library lacks those: the same
// results, whatever the C locale's decimal point is.

#include <optional>
#include <string>
#include <string_view>

namespace zunpa {

enum class DecimalForm {
  kFixed,    // -12.5, inf, nan
  kGeneral,  // also 1.25e3
};
// The whole text read as a double, or nothing when it is not a number of
// that form or lies out of the double's range (as from_chars tells).
std::optional<double> ReadDecimal(std::string_view text, DecimalForm form);
// The shortest fixed text that reads back as exactly `value`, as
// std::to_chars(..., std::chars_format::fixed) writes it; finite values only.
std::string ShortestFixedText(double value);

}  // namespace zunpa
