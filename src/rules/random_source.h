#pragma once
// The one random source of a game. The app numbers every game: each deal,
// reshuffle and random starter is then seeded from the game number, so a
// number replays its game. Tests and tools may seed the source once instead,
// or leave it to the clock.

#include <cstdint>
#include <optional>

namespace zunpa {

// Game numbers as the user types them.
inline constexpr std::uint64_t kFirstGameNumber = 1;
inline constexpr std::uint64_t kLastGameNumber = 999'999'999;

// The places in a round where the rules want fresh randomness.
enum class ReseedPoint { Starter, Deal, Reshuffle };

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed = 0x5eed) { Seed(seed); }

  void Seed(std::uint64_t seed);
  // Where the source is clock-driven, takes a fresh seed from the clock;
  // a seeded source ignores this, so seeded runs stay reproducible.
  void ReseedFromClock();
  void SetClockDriven(bool clockDriven) { clockDriven_ = clockDriven; }
  bool ClockDriven() const { return clockDriven_; }

  // From now on every reseed point of the game comes from `number`, the
  // round and how many reseeds that round has had; counting starts afresh.
  void UseGameNumber(std::uint64_t number);
  std::optional<std::uint64_t> GameNumber() const { return number_; }
  // A reseed point of round `round`: numbered, seeded from the game number;
  // otherwise as ReseedFromClock.
  void Reseed(ReseedPoint point, int round);

  // xoshiro256**: fast, small, and good enough for dealing cards.
  std::uint64_t NextBits() { return Advance(state_); }
  // floor(u * n) for u uniform in [0, 1), taken at 32-bit resolution: each
  // 64-bit draw serves twice.
  int Below(int n) {
    if (!spareValid_) {
      spare_ = NextBits();
      spareValid_ = true;
      return Scaled(spare_ >> 32, n);
    }
    spareValid_ = false;
    return Scaled(spare_ & 0xFFFFFFFFu, n);
  }
  // Hands Below(n) to `take` until it returns false: the same draws as
  // calling Below in a loop, with the generator held in registers
  // throughout, which a loop over Below cannot.
  template <typename Take>
  void DrawWhile(int n, Take take) {
    std::uint64_t s[4] = {state_[0], state_[1], state_[2], state_[3]};
    bool more = true;
    if (spareValid_) {
      spareValid_ = false;
      more = take(Scaled(spare_ & 0xFFFFFFFFu, n));
    }
    while (more) {
      const std::uint64_t bits = Advance(s);
      if (!take(Scaled(bits >> 32, n))) {
        spare_ = bits;
        spareValid_ = true;
        break;
      }
      more = take(Scaled(bits & 0xFFFFFFFFu, n));
    }
    for (int k = 0; k < 4; ++k)
      state_[k] = s[k];
  }

 private:
  static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static int Scaled(std::uint64_t half, int n) {
    return static_cast<int>((half * static_cast<std::uint64_t>(n)) >> 32);
  }
  static std::uint64_t Advance(std::uint64_t (&state)[4]) {
    const std::uint64_t result = RotateLeft(state[1] * 5, 7) * 9;
    const std::uint64_t t = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = RotateLeft(state[3], 45);
    return result;
  }
  // Which deal of `round` comes next: 0 for its first, higher when the same
  // round is dealt again (a reset or a stalled round).
  std::uint64_t NextDealOf(int round) const { return round == dealtRound_ ? deal_ + 1 : 0; }
  void SeedFromNumber(int round, std::uint64_t deal, std::uint64_t index);

  std::uint64_t state_[4] = {};
  std::uint64_t spare_ = 0;
  bool spareValid_ = false;
  bool clockDriven_ = false;
  std::optional<std::uint64_t> number_;
  int dealtRound_ = 0;
  std::uint64_t deal_ = 0;
  std::uint64_t reseedsSinceDeal_ = 0;
};

// A seed for game number `index` of a run seeded with `seed`, independent of
// how the games are spread over threads.
std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t index);
// A game number from the high-resolution clock, kFirstGameNumber to
// kLastGameNumber.
std::uint64_t GameNumberFromClock();

}  // namespace zunpa
