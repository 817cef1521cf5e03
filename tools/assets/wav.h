#pragma once
// Mono 16-bit PCM sound: reading, writing, trimming and normalising.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zunpa::sound {

struct Sound {
  int sampleRate = 22050;
  std::vector<std::int16_t> samples;
  double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// A RIFF/WAVE file of 16-bit PCM; several channels are mixed down to one.
std::optional<Sound> ParseWav(const std::string& bytes);
std::string WavBytes(const Sound& sound);
// Cuts near-silence from both ends, keeping a short margin.
Sound Trimmed(const Sound& sound, double marginSeconds = 0.02);
// Scales the loudest sample to `peak` of full scale.
Sound Normalised(const Sound& sound, double peak = 0.89);

}  // namespace zunpa::sound
