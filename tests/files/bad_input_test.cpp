// Every reader against damaged files: truncated at every line and at random
// bytes, random bytes, flipped bytes, other encodings, NUL bytes, endless
// lines and huge files. Nothing crashes, a fault is reported once, reading
// never changes the file, and a failed resume leaves the game as it was.

#include <filesystem>
#include <random>
#include <string_view>

#include "files/cp932_codec.h"
#include "files/cp932_text.h"
#include "files/high_scores.h"
#include "files/records_file.h"
#include "files/saved_game.h"
#include "files/settings_file.h"
#include "files/start_up.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

std::vector<std::string> DamagedVersionsOf(const std::string& good, unsigned seed) {
  std::vector<std::string> out;
  for (std::size_t at = good.find("\r\n"); at != std::string::npos; at = good.find("\r\n", at + 2)) {
    out.push_back(good.substr(0, at));
    out.push_back(good.substr(0, at + 2));
  }
  std::mt19937 rng(seed);
  for (int i = 0; i < 60; ++i)
    out.push_back(good.substr(0, rng() % good.size()));
  for (int i = 0; i < 30; ++i) {
    std::string flipped = good;
    for (int k = 0; k < 3; ++k)
      flipped[rng() % flipped.size()] = static_cast<char>(rng());
    out.push_back(flipped);
  }
  for (int i = 0; i < 20; ++i) {
    std::string noise(rng() % 3000, '\0');
    for (char& c : noise)
      c = static_cast<char>(rng());
    out.push_back(noise);
  }
  // The same text in UTF-8, with and without a byte order mark, and in
  // little-endian UTF-16; CP932 has only characters of one UTF-16 unit.
  std::string utf8, utf16;
  for (std::string_view rest = good; !rest.empty();) {
    const auto c = cp932::DecodeFirst(rest);
    const char16_t unit = c ? c->unit : u'\uFFFD';
    rest.remove_prefix(c ? c->size : 1);
    cp932::AppendUtf8(utf8, unit);
    utf16 += static_cast<char>(unit & 0xFF);
    utf16 += static_cast<char>(unit >> 8);
  }
  out.push_back(utf8);
  out.push_back("\xEF\xBB\xBF" + utf8);
  out.push_back(utf16);
  out.push_back(std::string(good).insert(good.size() / 2, 1, '\0'));
  out.push_back(std::string(200000, '7'));  // a line without an end
  out.push_back("");
  return out;
}

class BadInputTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    host.strict = false;
  }
  int Faults(const char* fileName) const {
    int n = 0;
    for (const std::string& text : Notices())
      n += text.find(fileName) != std::string::npos;
    return n;
  }
};

TEST_F(BadInputTest, SettingsAndRecordsSurviveAnyDamage) {
  for (const auto& [name, golden, faultName] : {std::tuple{"zunpas.ini", Golden("zunpas_populated.ini"), "zunpas.ini"},
                                                std::tuple{"Save.txt", Golden("save_populated.txt"), "save.txt"}}) {
    for (const std::string& bytes : DamagedVersionsOf(golden, 1)) {
      Put(name, bytes);
      host.Forget();
      StartUp(game);
      const bool fault =
          std::string(name) == "Save.txt" ? ParseRecords(bytes).fault : ParseSettings(bytes, Settings{}).fault;
      EXPECT_EQ(Faults(faultName), fault ? 1 : 0) << name;
      EXPECT_TRUE(RolesValid(game.roles));
      EXPECT_GE(game.options.SpeedIndex, 0);
      EXPECT_LE(game.options.SpeedIndex, 3);
      EXPECT_TRUE(CharacterNamed(game.seats.SeatName[0]));
      EXPECT_EQ(Get(name), bytes) << "reading changed the file";
      ASSERT_FALSE(HasFailure()) << name << " " << bytes.size();
    }
    std::remove(File(name).c_str());
  }
}

TEST_F(BadInputTest, HighScoresSurviveAnyDamage) {
  for (const std::string& bytes : DamagedVersionsOf(Golden("score_populated.dat"), 2)) {
    Put("score.dat", bytes);
    host.Forget();
    game.files.HiScoreRows = {};
    ShowHighScores(game);
    EXPECT_EQ(Faults("score.dat"), ParseHighScores(bytes).fault ? 1 : 0);
    EXPECT_EQ(host.OfKind(Event::HighScores).size(), 1u);  // the table opens
    EXPECT_EQ(Get("score.dat"), bytes);
    ASSERT_FALSE(HasFailure()) << bytes.size();
  }
}

TEST_F(BadInputTest, ADamagedSaveNeverHalfResumes) {
  SetCharacters(game, {Character::TrickUme, Character::KiOokuman, Character::Agarita});
  round.RoundNo = 9;
  game.scores.TotalPoints = {1, 2, 3, 4};
  for (const std::string& bytes : DamagedVersionsOf(Golden("savedata_round5.txt"), 3)) {
    if (ParseSavedGame(bytes)) continue;  // still a whole save (cut after its last line)
    Put("SaveData.txt", bytes);
    host.Forget();
    host.answers = {Answer::Ok};
    ContinueGame(game);
    EXPECT_EQ(host.MessageTexts().back(), "ファイルがありません！");
    EXPECT_EQ(round.RoundNo, 9);
    EXPECT_EQ(game.scores.TotalPoints, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(game.seats.playing[0], "ﾄﾘｯｸ･ｳﾒ");
    ASSERT_FALSE(HasFailure()) << bytes.size();
  }
}

TEST_F(BadInputTest, HugeFilesAreFaultsReadInBoundedMemory) {
  for (const char* name : {"zunpas.ini", "Save.txt", "score.dat", "SaveData.txt"}) {
    Put(name, "");
    std::filesystem::resize_file(File(name), 500u * 1024 * 1024);  // sparse
  }
  host.answers = {Answer::Ok};
  StartUp(game);
  ShowHighScores(game);
  ContinueGame(game);
  EXPECT_EQ(Faults("zunpas.ini"), 1);
  EXPECT_EQ(Faults("save.txt"), 1);
  EXPECT_EQ(Faults("score.dat"), 1);
  EXPECT_EQ(host.MessageTexts().back(), "ファイルがありません！");
}

}  // namespace
}  // namespace zunpa::testing
