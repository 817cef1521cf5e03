#pragma once
// The one random source of a game. The app reseeds it from a high-resolution
// clock before every shuffle; tests and tools seed it once, so every deal of
// a seeded game can be reproduced.

#include <cstdint>

namespace zunpa {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed = 0x5eed) { Seed(seed); }

  void Seed(std::uint64_t seed);
  // Where the source is clock-driven, takes a fresh seed from the clock;
  // a seeded source ignores this, so seeded runs stay reproducible.
  void ReseedFromClock();
  void SetClockDriven(bool clockDriven) { clockDriven_ = clockDriven; }
  bool ClockDriven() const { return clockDriven_; }

  std::uint64_t NextBits();
  // Uniform in [0, 1).
  double NextUnit() { return static_cast<double>(NextBits() >> 11) * 0x1.0p-53; }
  // floor(NextUnit() * n).
  int Below(int n) { return static_cast<int>(NextUnit() * n); }

 private:
  std::uint64_t state_[4] = {};
  bool clockDriven_ = false;
};

// A seed for game number `index` of a run seeded with `seed`, independent of
// how the games are spread over threads.
std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t index);

}  // namespace zunpa
