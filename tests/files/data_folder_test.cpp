// The data files in a folder of their own, apart from the pictures and
// sounds: an installed game keeps them in the user's data folder.

#include "files/cp932_text.h"
#include "files/high_scores.h"
#include "files/saved_game.h"
#include "files/start_up.h"
#include "flow/seat_names.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

class DataFolderTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    ASSERT_TRUE(data.isValid());
    game.files.DataDir = data.path();
    AddSoundFiles(game.files.AppDir);
    host.strict = false;
  }
  std::vector<std::string> InData() const { return FileNamesIn(data.path()); }
  std::vector<std::string> InProgram() const {
    std::vector<std::string> names = FileNamesIn(folder.path());
    std::erase_if(names, [](const std::string& name) { return name.ends_with(".wav"); });
    return names;
  }
  std::string DataFile(const std::string& name) const { return PathInFolder(game.files.DataDir, name); }
  TemporaryFolder data;
};

TEST_F(DataFolderTest, EveryDataFileIsWrittenThereAndNothingBesideTheSounds) {
  StartUp(game);
  EXPECT_TRUE(game.files.SoundFilesPresent);  // the sounds stay with the program
  EXPECT_TRUE(SaveSettingsAndRecords(game));
  ShowHighScores(game);
  SetCharacters(game, {Character::TrickUme, Character::KiOokuman, Character::Agarita});
  game.round.RoundNo = 3;
  game.display.saveEnabled = true;
  host.answers = {Answer::Ok};
  EXPECT_TRUE(SaveGame(game));

  EXPECT_EQ(InData(), (std::vector<std::string>{"Save.txt", "SaveData.txt", "score.dat", "zunpas.ini"}));
  EXPECT_EQ(InProgram(), std::vector<std::string>{});
  EXPECT_EQ(ReadBytes(DataFile("zunpas.ini")), Golden("zunpas_default.ini"));
  EXPECT_EQ(ReadBytes(DataFile("score.dat")), Golden("score_default.dat"));
}

TEST_F(DataFolderTest, StartUpReadsThereAndCleansUpThere) {
  WriteBytes(DataFile("zunpas.ini"), Golden("zunpas_populated.ini"));
  WriteBytes(DataFile("SaveData.txt"), Golden("savedata_round5.txt"));
  WriteBytes(DataFile("Save.txt.Ab12Cd"), "cut short");  // a write killed before its rename
  StartUp(game);
  EXPECT_EQ(game.roles, (Roles{1, 13, 3}));
  EXPECT_TRUE(game.display.continueEnabled);
  EXPECT_EQ(InData(), (std::vector<std::string>{"SaveData.txt", "zunpas.ini"}));
  EXPECT_TRUE(host.events.empty());
}

TEST_F(DataFolderTest, FilesInTheProgramFolderAreNotTheGamesAnyMore) {
  Put("zunpas.ini", Golden("zunpas_populated.ini"));
  Put("SaveData.txt", Golden("savedata_round5.txt"));
  StartUp(game);
  EXPECT_EQ(game.roles, Roles{});
  EXPECT_FALSE(game.display.continueEnabled);
}

TEST_F(DataFolderTest, AnUnwritableDataFolderGetsTheUsualQuestion) {
  game.files.DataDir += "/gone";
  StartUp(game);
  host.answers = {Answer::Yes};
  EXPECT_TRUE(SaveSettingsAndRecords(game));
  EXPECT_EQ(host.MessageTexts(),
            std::vector<std::string>{"ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？"});
  EXPECT_EQ(InProgram(), std::vector<std::string>{});
}

}  // namespace
}  // namespace zunpa::testing
