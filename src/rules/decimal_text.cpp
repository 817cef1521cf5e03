#include "rules/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace zunpa {
namespace {

bool Digit(char c) {
  return c >= '0' && c <= '9';
}

bool SameLetters(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((text[i] | 0x20) != lower[i]) return false;
  return true;
}

// "nan" or "nan(" letters, digits and "_" ")".
bool NotANumber(std::string_view text) {
  if (SameLetters(text, "nan")) return true;
  if (text.size() < 5 || !SameLetters(text.substr(0, 4), "nan(") || text.back() != ')') return false;
  for (char c : text.substr(4, text.size() - 5))
    if (!(Digit(c) || c == '_' || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'))) return false;
  return true;
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text, DecimalForm form) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view body = text.substr(negative ? 1 : 0);
  // from_chars takes these in either form.
  if (SameLetters(body, "inf") || SameLetters(body, "infinity"))
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  if (NotANumber(body))
    return negative ? -std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::quiet_NaN();
  // Digits with at most one point, then perhaps an exponent.
  std::size_t i = 0, digits = 0;
  bool point = false, nonZero = false;
  for (; i < body.size(); ++i) {
    if (Digit(body[i])) {
      ++digits;
      nonZero = nonZero || body[i] != '0';
    } else if (body[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < body.size()) {
    if (form != DecimalForm::kGeneral || (body[i] != 'e' && body[i] != 'E')) return std::nullopt;
    std::size_t j = i + 1;
    if (j < body.size() && (body[j] == '+' || body[j] == '-')) ++j;
    if (j == body.size()) return std::nullopt;
    for (; j < body.size(); ++j)
      if (!Digit(body[j])) return std::nullopt;
  }
  // The text is now one that every library's stream reads whole, correctly
  // rounded, in the classic locale; only their ways of telling a value out
  // of range differ (infinity or the largest double, failing or not, and a
  // subnormal failing with some), so the range is judged here.
  std::istringstream in{std::string(text)};
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  if ((value == 0 && nonZero) || std::isinf(value) ||
      (in.fail() && std::fabs(value) == std::numeric_limits<double>::max()))
    return std::nullopt;
  return value;
}

std::string ShortestFixedText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // The fewest digits after the point that read back; among texts of that
  // length the nearest, which the rounded printing gives unless the value
  // is a power of two whose gap below is the narrower: then the text on the
  // other side may be the only one. Fewer digits than the value's leading
  // zeros give nothing but zero.
  const int zeros = value == 0 ? 0 : static_cast<int>(std::floor(-std::log10(std::fabs(value))));
  for (int digits = std::max(0, zeros - 1);; ++digits) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(digits) << value;
    const std::string text = out.str();
    const auto back = ReadDecimal(text, DecimalForm::kFixed);
    if (back && *back == value) return text;
    if (!back || *back == 0) continue;
    // One step in the last digit, from the nearest text across the value.
    const bool up = (*back < value) != std::signbit(value);
    std::string other = text;
    bool carry = true;
    for (std::size_t k = other.size(); carry && k-- > 0;) {
      char& c = other[k];
      if (!Digit(c)) continue;
      carry = c == (up ? '9' : '0');
      c = carry ? (up ? '0' : '9') : static_cast<char>(up ? c + 1 : c - 1);
    }
    const std::size_t first = other[0] == '-' ? 1 : 0;
    if (carry) other.insert(first, "1");
    if (other.size() > first + 1 && other[first] == '0' && Digit(other[first + 1])) other.erase(first, 1);
    const auto step = ReadDecimal(other, DecimalForm::kFixed);
    if (step && *step == value) return other;
  }
}

}  // namespace zunpa
