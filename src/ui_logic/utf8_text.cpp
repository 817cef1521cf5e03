#include "ui_logic/utf8_text.h"

namespace zunpa::ui {
namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `count` characters. A stray continuation byte
// stays with the character before it, so a cut never splits a sequence.
std::size_t PrefixBytes(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < count && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && IsContinuation(text[i]))
      ++i;
  }
  return i;
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += PrefixBytes(text.substr(i), 1))
    ++n;
  return n;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  return text.substr(0, PrefixBytes(text, count));
}

std::string_view AfterCharacters(std::string_view text, std::size_t count) {
  return text.substr(PrefixBytes(text, count));
}

}  // namespace zunpa::ui
