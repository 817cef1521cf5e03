#pragma once
// A game whose program folder is a fresh temporary folder.

#include <string>

#include "../table_builder.h"
#include "files/data_files.h"
#include "temporary_folder.h"

namespace zunpa::testing {

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// A golden file of tests/data.
std::string Golden(const std::string& name);
// The first `lines` lines of a CR LF file.
std::string FirstLines(const std::string& bytes, int lines);
// A file of the game's folder.
std::string FileIn(const Game& g, const std::string& name);
// Every sound file the voices need, empty.
void AddSoundFiles(const std::string& folder);

class FolderTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    game.files.AppDir = folder.path();
    game.files.folder = &DataFiles();
    game.files.today = [] { return std::string("26/12/07"); };
  }
  std::string File(const std::string& name) const { return FileIn(game, name); }
  void Put(const std::string& name, const std::string& bytes) { WriteBytes(File(name), bytes); }
  std::string Get(const std::string& name) const { return ReadBytes(File(name)); }
  // Messages that are not questions, by text.
  std::vector<std::string> Notices() const {
    std::vector<std::string> out;
    for (const Event& e : host.OfKind(Event::Message))
      if (e.buttons == Buttons::Ok) out.push_back(e.text);
    return out;
  }
  TemporaryFolder folder;
};

}  // namespace zunpa::testing
