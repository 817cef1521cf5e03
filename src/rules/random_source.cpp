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

std::uint64_t ClockTicks() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

// The starter is chosen before the deal it begins: its index is apart from
// the deal's (0) and the reshuffles' (1, 2, ...).
constexpr std::uint64_t kStarterIndex = ~std::uint64_t{0};

}  // namespace

void RandomSource::Seed(std::uint64_t seed) {
  for (auto& word : state_)
    word = SplitMix64(seed);
  spareValid_ = false;
}

void RandomSource::ReseedFromClock() {
  if (!clockDriven_) return;
  Seed(ClockTicks() ^ NextBits());
}

void RandomSource::UseGameNumber(std::uint64_t number) {
  number_ = number;
  dealtRound_ = 0;
  deal_ = reseedsSinceDeal_ = 0;
}

void RandomSource::Reseed(ReseedPoint point, int round) {
  if (!number_) {
    ReseedFromClock();
    return;
  }
  switch (point) {
    case ReseedPoint::Starter:
      SeedFromNumber(round, NextDealOf(round), kStarterIndex);
      return;
    case ReseedPoint::Deal:
      deal_ = NextDealOf(round);
      dealtRound_ = round;
      reseedsSinceDeal_ = 0;
      SeedFromNumber(round, deal_, 0);
      return;
    case ReseedPoint::Reshuffle:
      // A round reshuffled before any deal of it counts from its first.
      if (round != dealtRound_) dealtRound_ = round, deal_ = reseedsSinceDeal_ = 0;
      SeedFromNumber(round, deal_, ++reseedsSinceDeal_);
      return;
  }
}

void RandomSource::SeedFromNumber(int round, std::uint64_t deal, std::uint64_t index) {
  const std::uint64_t ofRound = DeriveSeed(*number_, static_cast<std::uint64_t>(round));
  Seed(DeriveSeed(DeriveSeed(ofRound, deal), index));
}

std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t index) {
  std::uint64_t x = seed ^ SplitMix64(index);
  return SplitMix64(x);
}

std::uint64_t GameNumberFromClock() {
  std::uint64_t ticks = ClockTicks();
  // Mixed first: the low digits of the clock alone would be coarse.
  return SplitMix64(ticks) % (kLastGameNumber - kFirstGameNumber + 1) + kFirstGameNumber;
}

}  // namespace zunpa
