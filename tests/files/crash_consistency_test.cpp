// A writer killed at any moment leaves the old file or the new one, never a
// damaged one; start-up then reads it without a fault and removes what the
// killed write left behind.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "child_process.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"
#include "files/start_up.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

struct Writer {
  const char* file;
  void (*setVersion)(Game&, int);
  bool (*write)(const Game&);
};

const Writer kWriters[] = {
    {"zunpas.ini", [](Game& g, int v) { g.options.SpeedIndex = v; }, WriteSettings},
    {"Save.txt", [](Game& g, int v) { g.records.table[2][5] = 1000 + v; }, WriteRecords},
    {"score.dat", [](Game& g, int v) { g.files.HiScoreRows.fill(v ? "1,名前,1位,26/12/08" : "2,,4位,26/12/08"); },
     WriteHighScores},
    {"SaveData.txt", [](Game& g, int v) { g.round.RoundNo = 3 + v; }, WriteSavedGame},
};

class CrashConsistencyTest : public FolderTest, public ::testing::WithParamInterface<Writer> {
 protected:
  void SetUp() override {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly has no fork() to kill a writer in";
#endif
    FolderTest::SetUp();
  }
  // The file's bytes in version `v`.
  std::string BytesOf(int v) {
    GetParam().setVersion(game, v);
    EXPECT_TRUE(GetParam().write(game));
    return Get(GetParam().file);
  }
};

TEST_P(CrashConsistencyTest, AKilledWriteLeavesTheOldOrTheNewFile) {
  const Writer writer = GetParam();
  const std::string versions[2] = {BytesOf(0), BytesOf(1)};
  ASSERT_NE(versions[0], versions[1]);
  std::mt19937 rng(std::hash<std::string>{}(writer.file));
  int seen[2] = {0, 0}, leftovers = 0;
  for (int kill = 0; kill < 200; ++kill) {
    // The child tells each write it finished: the kill then falls after
    // one or two of them, however slowly a loaded machine runs it.
    int done[2];
    ASSERT_EQ(pipe(done), 0);
    const pid_t pid = fork();
    if (pid == 0) {
      close(done[0]);
      for (int v = 0;; v ^= 1) {
        writer.setVersion(game, v);
        writer.write(game);
        if (write(done[1], "w", 1) != 1) _exit(1);
      }
    }
    ASSERT_GT(pid, 0);
    close(done[1]);
    char mark = 0;
    for (int writes = std::uniform_int_distribution<int>(1, 2)(rng); writes > 0; --writes)
      ASSERT_EQ(read(done[0], &mark, 1), 1);
    usleep(std::uniform_int_distribution<useconds_t>(0, 1000)(rng));
    ::kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(done[0]);

    const std::string now = Get(writer.file);
    ASSERT_TRUE(now == versions[0] || now == versions[1]) << "damaged after kill " << kill;
    ++seen[now == versions[1]];
    leftovers += NamesIn(game.files.AppDir).size() > 1;
    ScriptedHost quiet;
    Game next(quiet);
    next.files.AppDir = game.files.AppDir;
    StartUp(next);
    ASSERT_TRUE(quiet.MessageTexts().empty()) << "a fault at start-up after kill " << kill;
    ASSERT_EQ(NamesIn(game.files.AppDir), std::vector<std::string>{writer.file}) << "a leftover after kill " << kill;
  }
  // The kills fell before, between and inside writes.
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
  EXPECT_GT(leftovers, 0) << "no kill fell inside a write";
}

INSTANTIATE_TEST_SUITE_P(EveryDataFile, CrashConsistencyTest, ::testing::ValuesIn(kWriters), [](const auto& param) {
  std::string name = param.param.file;
  std::erase(name, '.');
  return name;
});

}  // namespace
}  // namespace zunpa::testing
