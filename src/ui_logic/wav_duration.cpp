#include "ui_logic/wav_duration.h"

#include <algorithm>
#include <cstdint>

namespace zunpa::ui {
namespace {

std::uint32_t Le32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFmtSize = 16;
constexpr std::size_t kByteRateAt = 8;

}  // namespace

std::optional<double> WavDurationSeconds(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<std::uint32_t> byteRate;
  std::optional<std::size_t> dataBytes;
  // The RIFF size is not trusted: the chunks are walked to the file's end.
  for (std::size_t at = 12; at + kChunkHeader <= b.size() && !(byteRate && dataBytes);) {
    const std::string_view id = b.substr(at, 4);
    const std::size_t size = Le32(b, at + 4);
    const std::size_t body = at + kChunkHeader;
    const std::size_t present = std::min(size, b.size() - body);
    if (id == "fmt " && !byteRate) {
      if (present < kFmtSize) return std::nullopt;
      byteRate = Le32(b, body + kByteRateAt);
    } else if (id == "data" && !dataBytes) {
      dataBytes = present;
    }
    if (present < size) break;
    at = body + size + (size & 1);
  }
  if (!byteRate || !dataBytes || *byteRate == 0) return std::nullopt;
  return static_cast<double>(*dataBytes) / *byteRate;
}

}  // namespace zunpa::ui
