// Headless play allocates nothing while it runs: every allocation of the
// program is counted here, and a whole game must leave the count unchanged.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "game_recorder.h"
#include "rules/game.h"
#include "rules/silent_host.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace zunpa {
namespace {

struct HeadlessTable {
  SilentHost host;
  Game game{host};
  sim::GameRecorder recorder;

  explicit HeadlessTable(std::uint64_t seed, Roles roles = {}) {
    game.watching = false;
    game.observer = &recorder;
    game.flow.maxMovesPerRound = 10000;
    game.roles = roles;
    game.random.Seed(seed);
    SeatComputers(game, {Character::Agarita, Character::TrickUme, Character::Zunpasky, Character::KiOokuman});
    recorder.StartGame(game, 0, nullptr);
    BeginNewGame(game);
  }
};

TEST(Allocations, AWholeHeadlessGameAllocatesNothing) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    HeadlessTable table(seed, seed % 2 ? Roles{} : Roles{1, 13, 3});
    const long before = allocations.load();
    RunSteps(table.game);
    EXPECT_EQ(allocations.load() - before, 0) << "seed " << seed;
    // The count above covers a game, not an empty run.
    EXPECT_EQ(table.recorder.Stats().rounds, kRoundsInGame);
    EXPECT_GT(table.recorder.Stats().moves, 100);
  }
}

// The counter itself sees what the game would allocate.
TEST(Allocations, TheCounterSeesAnAllocation) {
  const long before = allocations.load();
  int* volatile kept = new int(7);
  EXPECT_EQ(allocations.load() - before, 1);
  delete kept;
}

}  // namespace
}  // namespace zunpa
