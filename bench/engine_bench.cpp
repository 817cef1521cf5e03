// The engine's speed: whole headless games on one thread and on two, the
// deal on its own, and one decision of each character. Run:
// build/zunpa-bench (see the README).

#include <benchmark/benchmark.h>

#include <vector>

#include "game_recorder.h"
#include "players/strategies.h"
#include "rules/deal.h"
#include "rules/game.h"
#include "rules/rejection_shuffle.h"
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

// A table as a character meets it when deciding: a hand of one to eight
// cards, a pile card and a few cards played before it, all apart.
struct Position {
  Hand hand;
  PileLog log;
  int pileSuit = 0, pileRank = 0;
};

std::vector<Position> Positions(int count) {
  RandomSource random(2024);
  std::vector<Position> positions(static_cast<std::size_t>(count));
  for (Position& p : positions) {
    std::uint64_t placed = 0;
    std::array<int, kCardsInPack> order{};
    const int handSize = 1 + random.Below(8), played = random.Below(12);
    DrawUnplacedNumbers(random, placed, order, handSize + played + 1);
    for (int k = 0; k < handSize; ++k)
      p.hand.Insert(CodeOf(CardOfNumber(order[static_cast<std::size_t>(k)])));
    for (int k = handSize; k <= handSize + played; ++k)
      p.log.Add(CodeOf(CardOfNumber(order[static_cast<std::size_t>(k)])));
    const Card top = CardOfNumber(order[static_cast<std::size_t>(handSize + played)]);
    p.pileSuit = top.suit;
    p.pileRank = top.rank;
  }
  return positions;
}

// One ChooseMove, over positions taken in turn so no branch learns one.
void BM_Decision(benchmark::State& state) {
  const Character character = static_cast<Character>(state.range(0));
  const std::vector<Position> positions = Positions(4096);
  const Roles roles;
  std::size_t k = 0;
  for (auto _ : state) {
    const Position& p = positions[k++ & (positions.size() - 1)];
    const SeatView view{1, p.hand, p.pileSuit, p.pileRank, p.log, 2, roles};
    benchmark::DoNotOptimize(ChooseMove(character, view));
  }
  state.SetLabel(std::string(NameOf(character)));
}
BENCHMARK(BM_Decision)->DenseRange(0, kCharacterCount - 1);

}  // namespace

BENCHMARK_MAIN();
