// Writes that fail, on a full disk and at every step of the system calls:
// each writer and each flow says so, and the previous file survives to the
// byte with no temporary file left beside it.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "child_process.h"
#include "files/cp932_text.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/safe_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"
#include "files/start_up.h"
#include "flow/game_end.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

const std::vector<std::pair<std::string, std::string>> kGoodFiles = {{"SaveData.txt", "savedata_round5.txt"},
                                                                     {"Save.txt", "save_populated.txt"},
                                                                     {"score.dat", "score_populated.dat"},
                                                                     {"zunpas.ini", "zunpas_populated.ini"}};

class FullDiskTest : public FolderTest {
 protected:
  void SetUp() override {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly has no fork() and no RLIMIT_FSIZE to fill the disk with";
#endif
    FolderTest::SetUp();
    host.strict = false;
    for (const auto& [name, golden] : kGoodFiles)
      Put(name, Golden(golden));
    StartUp(game);
    ASSERT_TRUE(Notices().empty());
    host.Forget();
    game.records.Add(0, RecRounds, 1);  // something new to write
  }
  // Runs `reportsTheFailure` on a full disk in a child, then checks that
  // every file is as it was.
  void ExpectReportedAndNothingLost(const std::function<bool()>& reportsTheFailure) {
    EXPECT_EQ(ExitOfChild([&] {
                FillTheDisk();
                return reportsTheFailure() ? 0 : 1;
              }),
              0);
    std::vector<std::string> names;
    for (const auto& [name, golden] : kGoodFiles) {
      EXPECT_EQ(Get(name), Golden(golden)) << name << " changed";
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(NamesIn(folder.path()), names) << "a temporary file was left";
  }
  bool Said(const std::string& text) const {
    const auto texts = host.MessageTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

TEST_F(FullDiskTest, EveryWriterReportsFalse) {
  ExpectReportedAndNothingLost([&] { return !WriteSettings(game); });
  ExpectReportedAndNothingLost([&] { return !WriteRecords(game); });
  ExpectReportedAndNothingLost([&] { return !WriteHighScores(game); });
  ExpectReportedAndNothingLost([&] { return !WriteSavedGame(game); });
}

TEST_F(FullDiskTest, ExitAsksAndTheGameStays) {
  host.answers = {Answer::No};
  ExpectReportedAndNothingLost([&] {
    return !SaveSettingsAndRecords(game) &&
           Said("ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？");
  });
}

TEST_F(FullDiskTest, SavingSaysItCouldNotAndOffersNothingToContinue) {
  game.display.saveEnabled = true;
  game.display.continueEnabled = false;
  host.answers = {Answer::Ok};
  ExpectReportedAndNothingLost(
      [&] { return (SaveGame(game), Said("ファイルに保存できませんでした。")) && !game.display.continueEnabled; });
}

TEST_F(FullDiskTest, ANewHighScoreAndClearingSayTheyCouldNotSave) {
  game.scores.TotalPoints = {900, 900, 900, -50};
  game.scores.standing = {2, 2, 2, 1};
  ExpectReportedAndNothingLost([&] {
    CheckHighScore(game);
    return Said("ハイスコアをscore.datに保存できませんでした。") && host.OfKind(Event::HighScores).size() == 1;
  });
  host.answers = {Answer::Ok};
  ExpectReportedAndNothingLost(
      [&] { return (ClearHighScores(game), Said("ハイスコアをscore.datに保存できませんでした。")); });
}

TEST_F(FullDiskTest, RecordsThatCouldNotFollowAGameAreRememberedAndTheExitStillAsks) {
  game.scores.TotalPoints = {5000, 5000, 5000, 5000};
  host.answers = {Answer::No};
  ExpectReportedAndNothingLost([&] {
    EndGame(game);
    const bool remembered = game.files.recordsBehind;
    return remembered && !SaveSettingsAndRecords(game) && game.files.recordsBehind;
  });
  // On a disk with room again the records catch up and nothing is asked.
  host.Forget();
  EndGame(game);
  EXPECT_FALSE(game.files.recordsBehind);
  EXPECT_TRUE(SaveSettingsAndRecords(game));
  EXPECT_TRUE(host.OfKind(Event::Message).size() == 1) << "only the game-end notice";
}

// Each system call of a write, failing in turn.
FileCalls Failing(int step) {
  FileCalls calls = SystemFileCalls();
  switch (step) {
    case 0:
      calls.write = [](int, const void*, std::size_t) -> long { return errno = ENOSPC, -1; };
      break;
    case 1:
      calls.write = [](int, const void*, std::size_t) -> long { return errno = EIO, -1; };
      break;
    case 2:
      calls.syncData = [](int) { return errno = EIO, -1; };
      break;
    case 3:
      calls.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
      break;
    default:
      calls.rename = [](const char*, const char*) { return errno = EXDEV, -1; };
  }
  return calls;
}

class WriteStepTest : public FolderTest {
 protected:
  std::string Path() const { return File("score.dat"); }
  std::vector<std::string> Names() const { return NamesIn(folder.path()); }
};

TEST_F(WriteStepTest, AnyFailingStepKeepsTheOldFileAndLeavesNoTemporary) {
  Put("score.dat", "old");
  for (int step = 0; step < 5; ++step) {
    EXPECT_FALSE(WriteFileAtomically(Path(), "new", Failing(step))) << "step " << step;
    EXPECT_EQ(Get("score.dat"), "old") << "step " << step;
    EXPECT_EQ(Names(), std::vector<std::string>{"score.dat"}) << "step " << step;
  }
  EXPECT_TRUE(WriteFileAtomically(Path(), "new"));
  EXPECT_EQ(Get("score.dat"), "new");
}

TEST_F(WriteStepTest, AFolderThatCannotBeSyncedIsAFailureUnlessSyncingIsNotSupported) {
  FileCalls calls = SystemFileCalls();
  calls.syncFolder = [](int) { return errno = EIO, -1; };
  EXPECT_FALSE(WriteFileAtomically(Path(), "x", calls));
  calls.syncFolder = [](int) { return errno = EINVAL, -1; };
  EXPECT_TRUE(WriteFileAtomically(Path(), "y", calls));
  EXPECT_EQ(Get("score.dat"), "y");
}

TEST_F(WriteStepTest, ShortAndInterruptedWritesStillWriteEverything) {
  FileCalls calls = SystemFileCalls();
  calls.write = [](int fd, const void* data, std::size_t) -> long {
    static bool interrupt = true;
    if ((interrupt = !interrupt)) return errno = EINTR, -1;
    return ::write(fd, data, 1);
  };
  const std::string bytes(300, 'z');
  EXPECT_TRUE(WriteFileAtomically(Path(), bytes, calls));
  EXPECT_EQ(Get("score.dat"), bytes);
}

TEST_F(WriteStepTest, ALinkIsWrittenThroughAndThePermissionsAreKept) {
  TemporaryFolder elsewhere;
  const std::string real = PathInFolder(elsewhere.path(), "real.dat");
  WriteBytes(real, "old");
  ASSERT_EQ(chmod(real.c_str(), 0600), 0);
  ASSERT_EQ(symlink(real.c_str(), Path().c_str()), 0);
  EXPECT_TRUE(WriteFileAtomically(Path(), "new"));
  EXPECT_TRUE(IsSymLink(Path()));
  EXPECT_EQ(ReadBytes(real), "new");
  struct stat st {};
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(WriteStepTest, ARelativeLinkIsFollowedFromItsOwnFolder) {
  ASSERT_EQ(mkdir(File("data").c_str(), 0755), 0);
  Put("real.dat", "old");
  const std::string link = PathInFolder(File("data"), "score.dat");
  ASSERT_EQ(symlink("./../real.dat", link.c_str()), 0);
  EXPECT_TRUE(WriteFileAtomically(link, "new"));
  EXPECT_EQ(Get("real.dat"), "new");
  EXPECT_TRUE(IsSymLink(link));
  EXPECT_EQ(NamesIn(File("data")), std::vector<std::string>{"score.dat"});
}

TEST_F(WriteStepTest, ALeftoverNameThatIsNoRegularFileStays) {
  Put("real.dat", "x");
  Put("score.dat.File01", "x");
  ASSERT_EQ(symlink(File("real.dat").c_str(), File("score.dat.Link01").c_str()), 0);
  ASSERT_EQ(mkdir(File("Save.txt.Dir001").c_str(), 0755), 0);
  RemoveInterruptedWrites(folder.path(), {"score.dat", "Save.txt"});
  std::vector<std::string> names = Names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Save.txt.Dir001", "real.dat", "score.dat.Link01"}));
}

TEST_F(WriteStepTest, OnlyLeftoversOfOurOwnNamesAreRemoved) {
  for (const char* name : {"score.dat.a1B2c3", "Save.txt.QQQQQQ", "score.dat.toolong1", "score.dat", "mine.txt.abcdef",
                           "zunpas.ini.ab_cd!"})
    Put(name, "x");
  RemoveInterruptedWrites(folder.path(), {"score.dat", "Save.txt"});
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"mine.txt.abcdef", "score.dat", "score.dat.toolong1", "zunpas.ini.ab_cd!"}));
}

}  // namespace
}  // namespace zunpa::testing
