// Whatever sits at a data file's name that is not a regular file (a FIFO, a
// socket, a folder, a link to a FIFO) is a fault the user is told of; no
// reader or flow blocks on it, and no writer replaces it.

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>

#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"
#include "files/start_up.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

enum class Squatter { Fifo, Socket, Folder, LinkToFifo };
constexpr Squatter kSquatters[] = {Squatter::Fifo, Squatter::Socket, Squatter::Folder, Squatter::LinkToFifo};

const char* NameOf(Squatter s) {
  switch (s) {
    case Squatter::Fifo:
      return "FIFO";
    case Squatter::Socket:
      return "socket";
    case Squatter::Folder:
      return "folder";
    default:
      return "link to a FIFO";
  }
}

// Puts `s` at `path`; returns the FIFO a blocked reader would wait on.
std::string PutSquatter(Squatter s, const std::string& path) {
  const std::string fifo = s == Squatter::LinkToFifo ? path + ".fifo" : path;
  switch (s) {
    case Squatter::Fifo:
      EXPECT_EQ(mkfifo(path.c_str(), 0644), 0);
      break;
    case Squatter::LinkToFifo:
      EXPECT_EQ(mkfifo(fifo.c_str(), 0644), 0);
      EXPECT_EQ(symlink(fifo.c_str(), path.c_str()), 0);
      break;
    case Squatter::Folder:
      EXPECT_TRUE(MakeFolder(path));
      break;
    case Squatter::Socket: {
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
      EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
      close(fd);
      break;
    }
  }
  return fifo;
}

bool StillThere(Squatter s, const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  switch (s) {
    case Squatter::Fifo:
      return S_ISFIFO(st.st_mode);
    case Squatter::Socket:
      return S_ISSOCK(st.st_mode);
    case Squatter::Folder:
      return S_ISDIR(st.st_mode);
    default:
      return S_ISLNK(st.st_mode);
  }
}

// Runs `flow` on a thread with a deadline. A flow stuck on the FIFO is set
// free by a writer opening it, so a failing test still ends.
::testing::AssertionResult ComesBackWithin2s(const std::function<void()>& flow, const std::string& fifo) {
  auto done = std::async(std::launch::async, flow);
  if (done.wait_for(std::chrono::seconds(2)) == std::future_status::ready) return ::testing::AssertionSuccess();
  const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (fd >= 0) close(fd);
  done.wait();
  return ::testing::AssertionFailure() << "blocked for over 2 s";
}

struct DataFile {
  const char* name;
  std::function<void(Game&)> read;         // the flow that reads it
  std::string fault;                       // what the user is told
  std::function<bool(const Game&)> write;  // its writer
};

const std::vector<DataFile>& EveryDataFile() {
  static const std::vector<DataFile> files = {
      {"zunpas.ini", StartUp, "zunpas.iniの中身がおかしい", WriteSettings},
      {"Save.txt", StartUp, "save.txtの中身がおかしい", WriteRecords},
      {"score.dat", ShowHighScores, "score.datの中身がおかしい", WriteHighScores},
      {"SaveData.txt",
       [](Game& g) {
         StartUp(g);
         ContinueGame(g);
       },
       "ファイルがありません！", WriteSavedGame},
  };
  return files;
}

class NonRegularFileTest : public FolderTest {
 protected:
  void SetUp() override {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "node's file system makes no FIFOs or sockets";
#endif
    FolderTest::SetUp();
  }
};

TEST_F(NonRegularFileTest, EveryReaderComesBackWithAFaultAndNoWriterReplacesIt) {
  for (const DataFile& file : EveryDataFile()) {
    for (Squatter s : kSquatters) {
      SCOPED_TRACE(std::string(file.name) + " is a " + NameOf(s));
      TemporaryFolder dir;
      ScriptedHost quiet;
      quiet.strict = false;
      Game g(quiet);
      UseStandardTable(g);
      g.files.AppDir = dir.path();
      g.files.folder = &DataFiles();
      const std::string path = FileIn(g, file.name);
      const std::string fifo = PutSquatter(s, path);

      EXPECT_TRUE(ComesBackWithin2s([&] { file.read(g); }, fifo));
      int told = 0;
      for (const std::string& text : quiet.MessageTexts())
        told += text.find(file.fault) != std::string::npos;
      EXPECT_EQ(told, 1);
      EXPECT_EQ(g.round.RoundNo, 0) << "nothing was resumed";

      EXPECT_FALSE(file.write(g));
      EXPECT_TRUE(StillThere(s, path));
      // The game goes on: the other files are written at exit.
      quiet.answers = {Answer::Yes};
      EXPECT_TRUE(SaveSettingsAndRecords(g));
    }
  }
}

}  // namespace
}  // namespace zunpa::testing
