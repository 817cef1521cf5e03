// 読み's speed in the window, on one core, in the thread's processor time:
// the hint at each of the user's decisions with two choices or more, and a
// ふりかえり of each whole game.
// The decisions are those of games 読み itself plays in seat 4 against
// ｱｶﾞﾘｰﾀ, ﾄﾘｯｸ･ｳﾒ and ｷ･ｵｰｸﾏﾝ.
// Usage: zunpa-yomi-bench [games]

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game_recorder.h"
#include "session/look_back.h"
#include "user_table.h"

namespace {

using namespace zunpa;

// WebAssembly keeps no processor time of a thread: there the wall clock of
// this one busy thread stands in, and the report says so.
#ifdef __EMSCRIPTEN__
constexpr clockid_t kClock = CLOCK_MONOTONIC;
constexpr const char* kClockName = "wall time of this thread (CLOCK_MONOTONIC), not processor time";
#else
constexpr clockid_t kClock = CLOCK_THREAD_CPUTIME_ID;
constexpr const char* kClockName = "processor time of this thread (CLOCK_THREAD_CPUTIME_ID), not wall time";
#endif

double CpuMilliseconds() {
  timespec t{};
  clock_gettime(kClock, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double At(const std::vector<double>& sorted, double q) {
  return sorted[static_cast<std::size_t>(q * double(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  const long games = argc > 1 ? std::max(1L, std::atol(argv[1])) : 3;
  sim::SimOptions options;
  options.players = {Character::Agarita, Character::TrickUme, Character::KiOokuman, Character::KiOokuman};
  options.yomiUser = true;
  options.yomiSamples = 256;  // the games only supply decisions to time
  options.seed = 3;
  const YomiSettings window = WindowYomiSettings();
  std::vector<double> hints, lookBacks;
  for (long game = 0; game < games; ++game) {
    sim::GameRecorder recorder;
    sim::DecisionList decisions;
    sim::PlayGameWithYomi(options, game, recorder, nullptr, &decisions);
    std::uint64_t index = 0;
    for (const auto& d : decisions) {
      std::array<Choice, Advice::kMost> choices{};
      if (ChoicesAt(d->game, d->question, choices) < 2) continue;
      const double start = CpuMilliseconds();
      const Advice advice = Analyse(d->game, &d->memory, d->question, window, DeriveSeed(7, ++index));
      hints.push_back(CpuMilliseconds() - start);
      if (advice.samples != window.samples) return 1;
    }
    const double start = CpuMilliseconds();
    const std::vector<Regret> regrets = LookBack(decisions, window);
    lookBacks.push_back(CpuMilliseconds() - start);
    std::printf("game %ld: %zu decisions, %zu regrets\n", game, decisions.size(), regrets.size());
  }
  std::sort(hints.begin(), hints.end());
  std::sort(lookBacks.begin(), lookBacks.end());
  std::printf(
      "%s: hint_cpu_ms median %.2f p99 %.2f max %.2f over %zu decisions; look_back_cpu_s median %.2f max %.2f "
      "over %ld games\n",
      kClockName, At(hints, 0.5), At(hints, 0.99), hints.back(), hints.size(), At(lookBacks, 0.5) / 1e3,
      lookBacks.back() / 1e3, games);
  return 0;
}
