// Headless play allocates nothing while it runs, nor does 読み while it
// weighs a choice: every allocation of the program is counted here, the
// libraries' too, and a whole game or an analysis must leave the count
// unchanged.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "game_recorder.h"
#include "rules/game.h"
#include "rules/notices.h"
#include "rules/silent_host.h"
#include "user_table.h"

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

// 読み's questions from a game it played, a card to choose and a Zunpa to
// call or pass: weighing either, at the window's deals, allocates nothing.
TEST(Allocations, AnalysingACardChoiceAndAZunpaAllocatesNothing) {
  sim::SimOptions options;
  options.yomiUser = true;
  options.yomiSamples = 16;  // the game only supplies the questions
  const YomiSettings settings = WindowYomiSettings();
  std::array<Choice, Advice::kMost> choices{};
  bool move = false, zunpa = false;
  for (long game = 0; game < 40 && !(move && zunpa); ++game) {
    sim::GameRecorder recorder;
    sim::DecisionList decisions;
    sim::PlayGameWithYomi(options, game, recorder, nullptr, &decisions);
    for (const auto& d : decisions) {
      bool& seen = d->question == Question::Move ? move : zunpa;
      if ((d->question != Question::Move && d->question != Question::Zunpa) || seen ||
          ChoicesAt(d->input, d->question, choices) < 2)
        continue;
      const long before = allocations.load();
      const Advice advice = Analyse(d->input, d->question, settings, 7);
      EXPECT_EQ(allocations.load() - before, 0) << "question " << int(d->question) << " of game " << game;
      EXPECT_EQ(advice.samples, settings.samples);
      seen = true;
    }
  }
  EXPECT_TRUE(move && zunpa);
}

// The counter itself sees what a library allocates.
TEST(Allocations, TheCounterSeesAnAllocationInALibrary) {
  SilentHost host;
  Game game{host};
  game.files.AppDir = "/a/program/folder/long/enough/to/leave/the/string";
  const long before = allocations.load();
  const std::string path = ProgramFile(game, "card.wav");
  EXPECT_GE(allocations.load() - before, 1);
  EXPECT_EQ(path.size(), game.files.AppDir.size() + 9);
}

}  // namespace
}  // namespace zunpa
