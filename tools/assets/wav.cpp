#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zunpa::sound {
namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

void Put32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Put16(std::string& b, std::uint16_t v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>(v >> 8);
}

}  // namespace

std::optional<Sound> ParseWav(const std::string& b) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
  int channels = 0, bits = 0;
  Sound sound;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    std::size_t size = U32(b, at + 4);
    const std::size_t body = at + 8;
    // A stream written to a pipe may not know its length.
    if (size > b.size() - body) size = b.size() - body;
    if (id == "fmt " && size >= 16) {
      if (U16(b, body) != 1) return std::nullopt;
      channels = U16(b, body + 2);
      sound.sampleRate = static_cast<int>(U32(b, body + 4));
      bits = U16(b, body + 14);
    } else if (id == "data") {
      if (channels < 1 || bits != 16) return std::nullopt;
      const std::size_t frames = size / (2 * static_cast<std::size_t>(channels));
      for (std::size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
          sum += static_cast<std::int16_t>(U16(b, body + (f * static_cast<std::size_t>(channels) + c) * 2));
        sound.samples.push_back(static_cast<std::int16_t>(sum / channels));
      }
      return sound;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

std::string WavBytes(const Sound& sound) {
  const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
  std::string b = "RIFF";
  Put32(b, 36 + dataBytes);
  b += "WAVEfmt ";
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, static_cast<std::uint32_t>(sound.sampleRate));
  Put32(b, static_cast<std::uint32_t>(sound.sampleRate * 2));
  Put16(b, 2);
  Put16(b, 16);
  b += "data";
  Put32(b, dataBytes);
  for (std::int16_t s : sound.samples)
    Put16(b, static_cast<std::uint16_t>(s));
  return b;
}

Sound Trimmed(const Sound& sound, double marginSeconds) {
  const std::int16_t threshold = 400;
  const auto loud = [&](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
  const auto first = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
  if (first == sound.samples.end()) return Sound{sound.sampleRate, {}};
  const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
  const auto margin = static_cast<std::ptrdiff_t>(marginSeconds * sound.sampleRate);
  const auto begin = std::max(sound.samples.begin(), first - margin);
  const auto end = std::min(sound.samples.end(), last + margin);
  return Sound{sound.sampleRate, std::vector<std::int16_t>(begin, end)};
}

Sound Normalised(const Sound& sound, double peak) {
  int loudest = 1;
  for (std::int16_t s : sound.samples)
    loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  const double gain = peak * 32767.0 / loudest;
  Sound out{sound.sampleRate, {}};
  out.samples.reserve(sound.samples.size());
  for (std::int16_t s : sound.samples)
    out.samples.push_back(static_cast<std::int16_t>(std::lround(s * gain)));
  return out;
}

}  // namespace zunpa::sound
