#include "files/cp932_codec.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace zunpa::cp932 {
namespace {

int LeadIndex(unsigned char b) {
  if (b >= 0x81 && b <= 0x9F) return b - 0x81;
  if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + 0x1F;
  return -1;
}

constexpr char32_t kReplacement = 0xFFFD;

// The character of a well-formed UTF-8 sequence at the start of `s`, and its
// length; nothing for an overlong form, a surrogate or a cut-off sequence.
std::optional<std::pair<char32_t, std::size_t>> Utf8Sequence(std::string_view s) {
  const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
  std::size_t size = 0;
  char32_t point = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, point = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, point = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, point = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (s.size() < size) return std::nullopt;
  for (std::size_t i = 1; i < size; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    point = point << 6 | (byte(i) & 0x3F);
  }
  if (point < least || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return std::nullopt;
  return std::pair<char32_t, std::size_t>{point, size};
}

}  // namespace

std::u32string ReadUtf8(std::string_view s) {
  std::u32string text;
  if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
  while (!s.empty()) {
    const auto sequence = Utf8Sequence(s);
    text += sequence ? sequence->first : kReplacement;
    s.remove_prefix(sequence ? sequence->second : 1);
  }
  return text;
}

std::optional<Character> DecodeFirst(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (kSingle[lead] != kNoCharacter) return Character{static_cast<char16_t>(kSingle[lead]), 1};
  const int row = LeadIndex(lead);
  if (row < 0 || bytes.size() < 2) return std::nullopt;
  const auto trail = static_cast<unsigned char>(bytes[1]);
  if (trail < kFirstTrail || trail > kLastTrail) return std::nullopt;
  const std::uint16_t unit = kDouble[row][trail - kFirstTrail];
  if (unit == 0) return std::nullopt;
  return Character{static_cast<char16_t>(unit), 2};
}

std::optional<std::string> EncodeOne(char32_t point) {
  if (point > 0xFFFF) return std::nullopt;
  const auto* end = std::end(kEncodedPoints);
  const auto* at = std::lower_bound(std::begin(kEncodedPoints), end, point);
  if (at == end || *at != point) return std::nullopt;
  const std::uint16_t bytes = kEncodedBytes[at - std::begin(kEncodedPoints)];
  if (bytes < 0x100) return std::string(1, static_cast<char>(bytes));
  return std::string{static_cast<char>(bytes >> 8), static_cast<char>(bytes & 0xFF)};
}

void AppendUtf8(std::string& out, char32_t point) {
  const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
  if (point < 0x80) {
    byte(point);
  } else if (point < 0x800) {
    byte(0xC0 | (point >> 6));
    byte(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    byte(0xE0 | (point >> 12));
    byte(0x80 | ((point >> 6) & 0x3F));
    byte(0x80 | (point & 0x3F));
  } else {
    byte(0xF0 | (point >> 18));
    byte(0x80 | ((point >> 12) & 0x3F));
    byte(0x80 | ((point >> 6) & 0x3F));
    byte(0x80 | (point & 0x3F));
  }
}

std::optional<std::string> Decode(std::string_view bytes) {
  std::string out;
  while (!bytes.empty()) {
    const auto c = DecodeFirst(bytes);
    if (!c) return std::nullopt;
    AppendUtf8(out, c->unit);
    bytes.remove_prefix(c->size);
  }
  return out;
}

std::optional<std::string> Encode(std::u32string_view text) {
  std::string out;
  for (char32_t point : text) {
    const auto bytes = EncodeOne(point);
    if (!bytes) return std::nullopt;
    out += *bytes;
  }
  return out;
}

}  // namespace zunpa::cp932
