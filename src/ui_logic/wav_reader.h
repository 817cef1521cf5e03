#pragma once
// A WAV file read from its bytes: its sample format and PCM, and how long
// it plays, so the window can play it and bound its wait without asking
// the sound system.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zunpa::ui {

struct WavSound {
  std::uint16_t formatTag = 0;  // 1 integer PCM, 3 floating point
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t byteRate = 0;
  std::uint16_t bitsPerSample = 0;
  std::string_view pcm;  // into the bytes read, whole frames only

  double Seconds() const { return static_cast<double>(pcm.size()) / byteRate; }
};

// The fmt chunk and the first data chunk. Chunks may come in any order and
// odd-sized ones carry a pad byte; a data chunk cut short keeps what is
// there. Nothing when it is no RIFF/WAVE file, a chunk is missing or the
// format cannot describe a sound (no channels, no byte rate).
std::optional<WavSound> ReadWav(std::string_view bytes);

// ReadWav's length in seconds.
std::optional<double> WavDurationSeconds(std::string_view bytes);

}  // namespace zunpa::ui
