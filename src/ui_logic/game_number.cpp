#include "ui_logic/game_number.h"

#include "rules/random_source.h"

namespace zunpa::ui {
namespace {

// A full-width digit is three bytes in UTF-8: EF BC 90 ("０") to EF BC 99.
constexpr std::string_view kFullWidthLead = "\xEF\xBC";

Message Problem(std::string text) {
  Message m;
  m.text = std::move(text);
  m.icon = Icon::Exclamation;
  return m;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The digits of the text as ASCII; nothing when it holds anything else.
std::optional<std::string> AsciiDigits(std::string_view text) {
  std::string digits;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits += text[i++];
    } else if (text.substr(i, 2) == kFullWidthLead && i + 2 < text.size() && text[i + 2] >= '\x90' &&
               text[i + 2] <= '\x99') {
      digits += static_cast<char>('0' + (text[i + 2] - '\x90'));
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return digits;
}

}  // namespace

std::string WindowTitle(std::optional<std::uint64_t> gameNumber) {
  std::string title(kProgramTitle);
  if (gameNumber) title += "　ゲーム番号 " + std::to_string(*gameNumber);
  return title;
}

std::string GameNumberPrompt() {
  return "ゲーム番号（" + std::to_string(kFirstGameNumber) + "～" + std::to_string(kLastGameNumber) +
         "）を入力してください。\n同じ番号では同じ配り札になります。";
}

std::variant<std::uint64_t, Message> ReadGameNumber(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return Problem("ゲーム番号を入力してください。");
  const auto digits = AsciiDigits(trimmed);
  if (!digits) return Problem("ゲーム番号は数字だけで入力してください。");
  const std::string range =
      "ゲーム番号は" + std::to_string(kFirstGameNumber) + "から" + std::to_string(kLastGameNumber) + "までです。";
  const auto significant = digits->find_first_not_of('0');
  if (significant == std::string::npos || digits->size() - significant > 9) return Problem(range);
  const std::uint64_t number = std::stoull(digits->substr(significant));
  if (number < kFirstGameNumber || number > kLastGameNumber) return Problem(range);
  return number;
}

}  // namespace zunpa::ui
