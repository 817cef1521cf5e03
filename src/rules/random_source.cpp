#include "rules/random_source.h"

#include <chrono>

namespace zunpa {
namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

void RandomSource::Seed(std::uint64_t seed) {
  for (auto& word : state_)
    word = SplitMix64(seed);
  spareValid_ = false;
}

void RandomSource::ReseedFromClock() {
  if (!clockDriven_) return;
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
  Seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) ^ NextBits());
}

std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t index) {
  std::uint64_t x = seed ^ SplitMix64(index);
  return SplitMix64(x);
}

}  // namespace zunpa
