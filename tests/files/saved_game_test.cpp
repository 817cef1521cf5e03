#include "files/saved_game.h"

#include "files/cp932_text.h"
#include "files/start_up.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "folder_fixture.h"
#include "rules/play_observer.h"

namespace zunpa::testing {
namespace {

// The round and the starter of the first deal.
struct DealWatcher : PlayObserver {
  int round = 0, starter = 0;
  void OnDeal(const Game& g) override {
    if (round != 0) return;
    round = g.round.RoundNo;
    starter = g.round.NextStarter;
  }
};

class SavedGameTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    host.strict = false;
  }
  // A game in the middle of round `roundNo`, with the score sheet of the
  // rounds before it filled in.
  void MidGame(int roundNo) {
    SetCharacters(game, {Character::TrickUme, Character::KiOokuman, Character::Agarita});
    round.RoundNo = roundNo;
    game.display.saveEnabled = true;
    game.scores.TotalPoints = {120, -35, 400, 75};
    game.scores.lastRoundPoints = {25, -252, 3, 0};
    game.scores.WinCount = {2, 1, 1, 0};
    for (int r = 1; r < roundNo; ++r)
      for (int seat = 1; seat <= 4; ++seat)
        game.display.sheet.Cell(seat, r).caption = std::to_string(r * seat);
    game.display.sheet.Cell(2, 3).colour = kBlue;
    game.display.sheet.Cell(2, 3).italic = true;
    game.display.sheet.Cell(3, 4).size = 8;
    game.display.sheet.Cell(3, 4).underline = true;
  }
};

TEST_F(SavedGameTest, GoldenFileReadsAndWritesBackByteForByte) {
  const auto saved = ParseSavedGame(Golden("savedata_round5.txt"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->roundNo, 5);
  EXPECT_EQ(saved->humanSex, 1);
  EXPECT_EQ(saved->names[3], "つばめ");
  EXPECT_EQ(saved->cells[1][0].colour, 0x0000FFu);  // 16711680 is blue
  EXPECT_EQ(saved->cells[1][1].colour, 0xFF0000u);
  EXPECT_EQ(saved->cells[1][2].colour, 0x008000u);
  EXPECT_EQ(saved->cells[1][3].systemColour, -2147483630);
  EXPECT_EQ(saved->cells[2][2].size, 8.25);
  const auto bytes = EncodeCp932Lines(SavedGameLines(*saved));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, Golden("savedata_round5.txt"));
}

TEST_F(SavedGameTest, SavingWritesAllLinesStartingWithRoundAndVoice) {
  MidGame(5);
  game.seats.HumanSex = 1;
  host.answers = {Answer::Ok};
  SaveGame(game);
  const std::string file = Get("SaveData.txt");
  EXPECT_EQ(file.substr(0, 5), "5,1\r\n");
  EXPECT_EQ(DecodeCp932Lines(file).lines.size(), 107u);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"現在までのポイントとラウンドを保存します。"});
  EXPECT_TRUE(game.display.continueEnabled);
}

TEST_F(SavedGameTest, CancelSavesNothing) {
  MidGame(5);
  host.answers = {Answer::Cancel};
  SaveGame(game);
  EXPECT_FALSE(Exists(File("SaveData.txt")));
}

TEST_F(SavedGameTest, ResumingDealsTheSavedRoundAgainWithTheLeaderFirst) {
  MidGame(7);
  game.seats.HumanSex = 2;
  game.seats.SeatName[3] = "つばめ";
  ShowSeatNames(game);
  host.answers = {Answer::Ok};
  SaveGame(game);

  ScriptedHost otherHost;
  otherHost.strict = false;
  Game fresh(otherHost);
  fresh.files.AppDir = game.files.AppDir;
  fresh.options.Sound = false;
  fresh.random.Seed(3);
  StartUp(fresh);
  EXPECT_TRUE(fresh.display.continueEnabled);
  otherHost.answers = {Answer::Ok};
  otherHost.Forget();
  DealWatcher deal;
  fresh.observer = &deal;
  ContinueGame(fresh);
  EXPECT_EQ(deal.round, 7);
  EXPECT_EQ(deal.starter, 2);  // the leader
  EXPECT_EQ(otherHost.events[0].text, "前回保存時のつづきからはじめます。");
  EXPECT_EQ(fresh.seats.playing[0], "ﾄﾘｯｸ･ｳﾒ");
  EXPECT_EQ(fresh.seats.playing[3], "つばめ");
  EXPECT_EQ(fresh.seats.HumanSex, 2);
  EXPECT_EQ(fresh.display.seats[1].total, "-35");
  EXPECT_EQ(fresh.display.seats[1].standing, "1位");
  EXPECT_EQ(fresh.display.sheet.Cell(4, 6).caption, "24");
  EXPECT_EQ(fresh.display.sheet.Cell(2, 3).colour, kBlue);
  EXPECT_TRUE(fresh.display.sheet.Cell(2, 3).italic);
  EXPECT_EQ(fresh.display.sheet.Cell(3, 4).size, 8);
}

TEST_F(SavedGameTest, TiedLeadersLetTheHigherSeatBegin) {
  MidGame(4);
  game.scores.TotalPoints = {10, 50, 10, 60};
  host.answers = {Answer::Ok, Answer::Ok};
  SaveGame(game);
  DealWatcher deal;
  game.observer = &deal;
  ContinueGame(game);
  EXPECT_EQ(game.scores.standing, (std::array<int, 4>{1, 3, 1, 4}));
  EXPECT_EQ(deal.round, 4);
  EXPECT_EQ(deal.starter, 3);
}

TEST_F(SavedGameTest, ShortFileDoesNotResumeAndChangesNothing) {
  Put("SaveData.txt", FirstLines(Golden("savedata_round5.txt"), 50));
  MidGame(9);
  const Scores before = game.scores;
  const std::string sheetCell = game.display.sheet.Cell(1, 3).caption;
  host.answers = {Answer::Ok};
  ContinueGame(game);
  EXPECT_EQ(host.MessageTexts(),
            (std::vector<std::string>{"前回保存時のつづきからはじめます。", "ファイルがありません！"}));
  EXPECT_EQ(round.RoundNo, 9);
  EXPECT_EQ(game.scores.TotalPoints, before.TotalPoints);
  EXPECT_EQ(game.display.sheet.Cell(1, 3).caption, sheetCell);
  EXPECT_EQ(game.seats.playing[0], "ﾄﾘｯｸ･ｳﾒ");
}

TEST_F(SavedGameTest, SeatsWithoutThreeCharactersAreAFailedResume) {
  std::string file = Golden("savedata_round5.txt");
  const std::string seats = *EncodeCp932Lines({"\"ﾄﾘｯｸ･ｳﾒ\",\"ﾄﾘｯｸ･ｳﾒ\",\"ｱｶﾞﾘｰﾀ\",\"つばめ\""});
  const std::size_t start = file.find("\r\n") + 2;
  file.replace(start, file.find("\r\n", start) + 2 - start, seats);
  EXPECT_FALSE(ParseSavedGame(file));
  Put("SaveData.txt", file);
  host.answers = {Answer::Ok};
  ContinueGame(game);
  EXPECT_EQ(host.MessageTexts().back(), "ファイルがありません！");
}

TEST_F(SavedGameTest, FailedSaveIsReportedAndTheGameGoesOn) {
  MidGame(5);
  Put("SaveData.txt", Golden("savedata_round5.txt"));
  game.files.AppDir += "/gone";
  host.answers = {Answer::Ok};
  SaveGame(game);
  EXPECT_EQ(host.MessageTexts().back(), "ファイルに保存できませんでした。");
  EXPECT_EQ(round.RoundNo, 5);
  game.files.AppDir = folder.path();
  EXPECT_EQ(Get("SaveData.txt"), Golden("savedata_round5.txt"));
}

}  // namespace
}  // namespace zunpa::testing
