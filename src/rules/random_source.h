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

  // xoshiro256**: fast, small, and good enough for dealing cards.
  std::uint64_t NextBits() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
  }
  // floor(u * n) for u uniform in [0, 1), taken at 32-bit resolution: each
  // 64-bit draw serves twice.
  int Below(int n) {
    if (!spareValid_) {
      spare_ = NextBits();
      spareValid_ = true;
      return static_cast<int>(((spare_ >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    spareValid_ = false;
    return static_cast<int>(((spare_ & 0xFFFFFFFFu) * static_cast<std::uint64_t>(n)) >> 32);
  }

 private:
  static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t state_[4] = {};
  std::uint64_t spare_ = 0;
  bool spareValid_ = false;
  bool clockDriven_ = false;
};

// A seed for game number `index` of a run seeded with `seed`, independent of
// how the games are spread over threads.
std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t index);

}  // namespace zunpa
