// The engine's speed: whole headless games on one thread and on two, and
// the deal on its own. Run: build/zunpa-bench (see the README).

#include <benchmark/benchmark.h>

#include "game_recorder.h"
#include "rules/deal.h"
#include "rules/game.h"
#include "rules/silent_host.h"
#include "sim_runner.h"

namespace {

using namespace zunpa;

void SetRates(benchmark::State& state, const sim::RunStats& stats) {
  state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(stats.rounds), benchmark::Counter::kIsRate);
  state.counters["moves/s"] = benchmark::Counter(static_cast<double>(stats.moves), benchmark::Counter::kIsRate);
  state.counters["ns/move"] =
      benchmark::Counter(static_cast<double>(stats.moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Games on the calling thread, logging off.
void BM_GamesOneThread(benchmark::State& state) {
  sim::SimOptions options;
  sim::GameRecorder recorder;
  long game = 0;
  for (auto _ : state)
    sim::PlayOneGame(options, game++, recorder, nullptr);
  SetRates(state, recorder.Stats());
}
BENCHMARK(BM_GamesOneThread)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// Blocks of games spread over worker threads, as zunpa-sim runs them.
void BM_GamesOnThreads(benchmark::State& state) {
  sim::SimOptions options;
  options.games = 2000;
  options.threads = static_cast<int>(state.range(0));
  sim::RunStats total;
  for (auto _ : state)
    total.Add(sim::RunGames(options, nullptr));
  SetRates(state, total);
}
BENCHMARK(BM_GamesOnThreads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ShuffleAndDeal(benchmark::State& state) {
  SilentHost host;
  Game game(host);
  game.watching = false;
  for (auto _ : state) {
    ShuffleAndDeal(game);
    benchmark::DoNotOptimize(game.round.hands);
  }
}
BENCHMARK(BM_ShuffleAndDeal);

}  // namespace

BENCHMARK_MAIN();
