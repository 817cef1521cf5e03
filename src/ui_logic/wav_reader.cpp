#include "ui_logic/wav_reader.h"

#include <algorithm>

namespace zunpa::ui {
namespace {

std::uint32_t LittleEndian(std::string_view b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFmtSize = 16;

WavSound FormatOf(std::string_view fmt) {
  WavSound s;
  s.formatTag = static_cast<std::uint16_t>(LittleEndian(fmt, 0, 2));
  s.channels = static_cast<std::uint16_t>(LittleEndian(fmt, 2, 2));
  s.sampleRate = LittleEndian(fmt, 4, 4);
  s.byteRate = LittleEndian(fmt, 8, 4);
  s.bitsPerSample = static_cast<std::uint16_t>(LittleEndian(fmt, 14, 2));
  return s;
}

}  // namespace

std::optional<WavSound> ReadWav(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<WavSound> sound;
  std::optional<std::string_view> data;
  // The RIFF size is not trusted: the chunks are walked to the file's end.
  for (std::size_t at = 12; at + kChunkHeader <= b.size() && !(sound && data);) {
    const std::string_view id = b.substr(at, 4);
    const std::size_t size = LittleEndian(b, at + 4, 4);
    const std::size_t body = at + kChunkHeader;
    const std::size_t present = std::min(size, b.size() - body);
    if (id == "fmt " && !sound) {
      if (present < kFmtSize) return std::nullopt;
      sound = FormatOf(b.substr(body, kFmtSize));
    } else if (id == "data" && !data) {
      data = b.substr(body, present);
    }
    if (present < size) break;
    at = body + size + (size & 1);
  }
  if (!sound || !data || sound->byteRate == 0 || sound->channels == 0) return std::nullopt;
  // A frame cut in half by a short file is not played.
  const std::size_t frame = std::max<std::size_t>(1, std::size_t(sound->channels) * ((sound->bitsPerSample + 7) / 8));
  sound->pcm = data->substr(0, data->size() - data->size() % frame);
  return sound;
}

std::optional<double> WavDurationSeconds(std::string_view bytes) {
  const std::optional<WavSound> sound = ReadWav(bytes);
  if (!sound) return std::nullopt;
  return sound->Seconds();
}

}  // namespace zunpa::ui
