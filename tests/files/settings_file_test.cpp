#include "files/settings_file.h"

#include "files/cp932_text.h"
#include "files/start_up.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

constexpr const char* kFault =
    "エラーをトラップしました。zunpa.exeと同じフォルダにあるzunpas.iniの中身がおかしい可能性があります。"
    "削除してください。";

using SettingsFileTest = FolderTest;

TEST_F(SettingsFileTest, FirstExitWithoutASettingsFileWritesTheDefaults) {
  AddSoundFiles(game.files.AppDir);
  StartUp(game);
  EXPECT_TRUE(SaveSettingsAndRecords(game));
  EXPECT_EQ(Get("zunpas.ini"), Golden("zunpas_default.ini"));
  EXPECT_TRUE(host.events.empty());
}

TEST_F(SettingsFileTest, WithoutSoundFilesTheVoicesStartOffAndAreStoredOff) {
  StartUp(game);
  EXPECT_FALSE(game.files.SoundFilesPresent);
  EXPECT_FALSE(game.options.Sound);
  SaveSettingsAndRecords(game);
  EXPECT_NE(Get("zunpas.ini").find("#TRUE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#\r\n"), std::string::npos);

  // A stored true with a sound file missing starts unchecked too.
  Put("zunpas.ini", Golden("zunpas_default.ini"));
  AddSoundFiles(game.files.AppDir);
  std::remove(File("zunpa_f_bk.wav").c_str());
  StartUp(game);
  EXPECT_FALSE(game.options.Sound);
}

TEST_F(SettingsFileTest, PopulatedFileReadsAndWritesBackByteForByte) {
  AddSoundFiles(game.files.AppDir);
  Put("zunpas.ini", Golden("zunpas_populated.ini"));
  StartUp(game);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(game.roles, (Roles{1, 13, 3}));
  EXPECT_EQ(game.options.SpeedIndex, 3);  // 鈍行 survives a restart
  EXPECT_FALSE(game.options.MsgCS);
  EXPECT_TRUE(game.options.MsgNi);
  EXPECT_FALSE(game.options.AutoDetect);
  EXPECT_TRUE(game.options.SuitAutoDetect);
  EXPECT_FALSE(game.options.MsgAll);
  EXPECT_TRUE(game.options.Sound);
  EXPECT_FALSE(game.options.CardSound);
  EXPECT_EQ(game.seats.SeatName[0], "ｷ･ｵｰｸﾏﾝ");
  EXPECT_EQ(game.seats.SeatName[3], "つばめ,二号～①");  // a comma survives
  EXPECT_EQ(game.seats.HumanSex, 2);
  std::remove(File("zunpas.ini").c_str());
  SaveSettingsAndRecords(game);
  EXPECT_EQ(Get("zunpas.ini"), Golden("zunpas_populated.ini"));
}

TEST_F(SettingsFileTest, ThreeLineFileKeepsTheRolesItReadAndTheMenusAtStartUp) {
  Put("zunpas.ini", FirstLines(Golden("zunpas_populated.ini"), 3));

  StartUp(game);
  EXPECT_EQ(Notices(), std::vector<std::string>{kFault});
  EXPECT_EQ(host.OfKind(Event::Message)[0].icon, Icon::Exclamation);
  EXPECT_EQ(game.roles, (Roles{1, 13, 3}));
  EXPECT_EQ(game.options.SpeedIndex, 2);
  EXPECT_TRUE(game.options.MsgCS);
  EXPECT_TRUE(game.options.AutoDetect);
  EXPECT_TRUE(game.options.SuitAutoDetect);     // read before the fault
  EXPECT_EQ(game.seats.SeatName[0], "ｱｶﾞﾘｰﾀ");  // no characters read: the default three
  EXPECT_EQ(game.seats.SeatName[3], "");
  EXPECT_EQ(game.seats.HumanSex, 0);
}

TEST_F(SettingsFileTest, ValuesThatBreakTheRulesFallBack) {
  Put("zunpas.ini", *EncodeCp932Lines({"11,8,8,7", "#TRUE#,#TRUE#,#TRUE#,#TRUE#", "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#",
                                       "\"ｱｶﾞﾘｰﾀ\",\"ｱｶﾞﾘｰﾀ\",\"nobody\",\"me\",0"}));

  StartUp(game);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(game.roles, Roles{});
  EXPECT_EQ(game.options.SpeedIndex, 2);
  EXPECT_EQ(game.seats.SeatName, (std::array<std::string, 4>{"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "me"}));
}

TEST_F(SettingsFileTest, RolesOfADamagedFirstLineFallBackAsASet) {
  Put("zunpas.ini", "5,7\r\n");
  StartUp(game);
  EXPECT_EQ(Notices().size(), 1u);
  EXPECT_EQ(game.roles, Roles{});
}

TEST_F(SettingsFileTest, FailedWriteAtExitAsksAndKeepsThePreviousFile) {
  StartUp(game);
  game.files.AppDir += "/gone";  // a folder that is not there
  host.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(SaveSettingsAndRecords(game));
  const auto asked = host.OfKind(Event::Message);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？");
  EXPECT_EQ(asked[0].buttons, Buttons::YesNo);
  EXPECT_EQ(asked[0].icon, Icon::Information);
  EXPECT_TRUE(SaveSettingsAndRecords(game));
}

TEST_F(SettingsFileTest, NameTakenByAFolderIsAFailedWriteThatLosesNothing) {
  StartUp(game);
  ASSERT_TRUE(MakeFolder(File("zunpas.ini")));
  Put("Save.txt", Golden("save_populated.txt"));
  game.records.Add(0, RecRounds, 1);
  host.answers = {Answer::No};
  EXPECT_FALSE(SaveSettingsAndRecords(game));
  EXPECT_TRUE(IsFolder(File("zunpas.ini")));
}

}  // namespace
}  // namespace zunpa::testing
