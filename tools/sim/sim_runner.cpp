#include "sim_runner.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "game_recorder.h"
#include "rules/deal.h"
#include "rules/game.h"
#include "rules/invariants.h"
#include "rules/silent_host.h"
#include "user_table.h"

namespace zunpa::sim {

void PlayOneGame(const SimOptions& options, long index, GameRecorder& recorder, std::string* log) {
  if (options.randomUser) {
    PlayGameWithRandomUser(options, index, recorder, log);
    return;
  }
  if (options.yomiUser) {
    PlayGameWithYomi(options, index, recorder, log);
    return;
  }
  SilentHost host;
  Game game(host);
  game.watching = false;
  game.observer = &recorder;
  game.flow.maxMovesPerRound = options.maxMoves;
  game.flow.checkInvariants = options.check;
  game.roles = options.roles;
  if (options.number) {
    game.random.UseGameNumber(*options.number + static_cast<std::uint64_t>(index));
  } else {
    game.random.Seed(DeriveSeed(options.seed, static_cast<std::uint64_t>(index)));
  }
  SeatComputers(game, options.players);
  recorder.StartGame(game, index, log);
  try {
    BeginNewGame(game);
    RunSteps(game);
  } catch (const InvariantBroken& broken) {
    // One line and a stop: the other threads' games prove nothing more.
    std::fprintf(stderr, "zunpa-sim: game %ld, %s\n", index, broken.what());
    std::fflush(stderr);
    std::_Exit(1);
  }
}

RunStats RunGames(const SimOptions& options, std::ostream* log) {
  const int asked =
      options.threads > 0 ? options.threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int threads = kHaveThreads ? asked : 1;
  // Games are played in blocks; each block's logs are written in game order
  // before the next block starts, so memory stays flat however many games.
  const long block = 64L * threads;
  std::vector<std::string> logs(static_cast<std::size_t>(block));
  std::vector<RunStats> results(static_cast<std::size_t>(threads));
  std::atomic<long> next{0};
  long blockStart = 0, blockEnd = std::min(block, options.games);

  auto finishBlock = [&]() noexcept {
    if (log)
      for (long g = blockStart; g < blockEnd; ++g) {
        std::string& text = logs[static_cast<std::size_t>(g - blockStart)];
        log->write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
      }
    blockStart = blockEnd;
    blockEnd = std::min(blockStart + block, options.games);
    next.store(blockStart);
  };
  std::barrier sync(threads, finishBlock);

  auto work = [&](int t) {
    // Each thread counts on its own stack: no cache line is shared while
    // games are played.
    GameRecorder recorder;
    while (true) {
      const long end = blockEnd;
      if (blockStart >= options.games) {
        results[static_cast<std::size_t>(t)] = recorder.Stats();
        return;
      }
      for (long g = next.fetch_add(1); g < end; g = next.fetch_add(1))
        PlayOneGame(options, g, recorder, log ? &logs[static_cast<std::size_t>(g - blockStart)] : nullptr);
      sync.arrive_and_wait();
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t)
    pool.emplace_back(work, t);
  work(0);
  for (std::thread& th : pool)
    th.join();

  RunStats total;
  for (const RunStats& r : results)
    total.Add(r);
  if (log) log->flush();
  return total;
}

}  // namespace zunpa::sim
