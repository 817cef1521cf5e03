#include "effects.h"

#include <cmath>
#include <cstdint>

namespace zunpa::sound {
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// A tiny deterministic noise source.
struct Noise {
  std::uint32_t state = 12345;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / (1u << 24) * 2 - 1;
  }
};

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<std::size_t>(seconds * kRate));
}

// Adds a note with a bell-like decay at `start` seconds.
void AddTone(std::vector<double>& out, double start, double seconds, double hz, double level, double decay) {
  const auto begin = static_cast<std::size_t>(start * kRate);
  for (std::size_t i = 0; i < static_cast<std::size_t>(seconds * kRate) && begin + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double attack = std::min(1.0, t / 0.005);
    const double tone =
        std::sin(2 * kPi * hz * t) + 0.35 * std::sin(4 * kPi * hz * t) + 0.12 * std::sin(6 * kPi * hz * t);
    out[begin + i] += level * attack * std::exp(-t * decay) * tone;
  }
}

Sound ToSound(const std::vector<double>& wave) {
  Sound s;
  s.sampleRate = kRate;
  double loudest = 1e-9;
  for (double v : wave)
    loudest = std::max(loudest, std::abs(v));
  for (double v : wave)
    s.samples.push_back(static_cast<std::int16_t>(std::lround(v / loudest * 0.89 * 32767)));
  return s;
}

}  // namespace

Sound CardSnap() {
  std::vector<double> w = Silence(0.09);
  Noise noise;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    w[i] = noise.Next() * std::exp(-t * 90) + 0.6 * std::sin(2 * kPi * 170 * t) * std::exp(-t * 45);
  }
  return ToSound(w);
}

Sound Cheer() {
  std::vector<double> w = Silence(0.55);
  const double notes[] = {523.25, 659.25, 783.99, 1046.5};
  for (int i = 0; i < 4; ++i)
    AddTone(w, 0.08 * i, 0.3, notes[i], 1.0, 9);
  return ToSound(w);
}

Sound Fanfare() {
  std::vector<double> w = Silence(1.1);
  const double run[] = {392.0, 523.25, 659.25, 783.99, 659.25, 783.99};
  for (int i = 0; i < 6; ++i)
    AddTone(w, 0.09 * i, 0.25, run[i], 0.8, 10);
  for (double hz : {523.25, 659.25, 783.99, 1046.5})
    AddTone(w, 0.56, 0.54, hz, 0.6, 4);
  return ToSound(w);
}

Sound Hit() {
  std::vector<double> w = Silence(0.32);
  Noise noise;
  double phase = 0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    phase += 2 * kPi * (150 - 300 * t) / kRate;
    w[i] = std::sin(phase) * std::exp(-t * 12) + 0.5 * noise.Next() * std::exp(-t * 40);
  }
  return ToSound(w);
}

Sound HeavyHit() {
  std::vector<double> w = Silence(0.7);
  Noise noise;
  double thud = 0, slide = 0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    thud += 2 * kPi * (120 - 100 * t) / kRate;
    slide += 2 * kPi * (420 - 500 * t) / kRate;
    const double saw = 2 * (slide / (2 * kPi) - std::floor(slide / (2 * kPi) + 0.5));
    w[i] = std::sin(thud) * std::exp(-t * 8) + 0.6 * noise.Next() * std::exp(-t * 30) +
           0.35 * saw * std::min(1.0, t / 0.08) * std::exp(-t * 4);
  }
  return ToSound(w);
}

}  // namespace zunpa::sound
