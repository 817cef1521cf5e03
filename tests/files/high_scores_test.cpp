#include "files/high_scores.h"

#include "files/cp932_text.h"
#include "files/records_file.h"
#include "flow/game_end.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

constexpr const char* kFault =
    "エラーをトラップしました。zunpas.exeと同じフォルダにあるscore.datの中身がおかしい可能性があります。"
    "削除してください。";
constexpr const char* kWriteFault = "ハイスコアをscore.datに保存できませんでした。";

class HighScoresTest : public FolderTest {
 protected:
  // The user ends a game with `total` in `standing` place.
  void EndWith(int total, int standing) {
    game.scores.TotalPoints = {5000, 5000, 5000, total};
    game.scores.standing = {1, 1, 1, standing};
    CheckHighScore(game);
  }
  std::vector<std::string> Rows() const { return {game.files.HiScoreRows.begin(), game.files.HiScoreRows.end()}; }
};

TEST_F(HighScoresTest, MissingFileBecomesTheTenDefaultRows) {
  ShowHighScores(game);
  EXPECT_EQ(Get("score.dat"), Golden("score_default.dat"));
  ASSERT_EQ(host.highScoreTables.size(), 1u);
  const auto& cells = host.highScoreTables[0];
  EXPECT_EQ(cells[0].points, "100");
  EXPECT_EQ(cells[0].name, "つばめ");
  EXPECT_EQ(cells[0].gamePlace, "1位");
  EXPECT_EQ(cells[0].date, "98/01/01");
  EXPECT_EQ(cells[3].name, "");
  EXPECT_EQ(cells[9].points, "1000");
}

TEST_F(HighScoresTest, EqualTotalGoesAboveTheStoredOne) {
  game.seats.SeatName[3] = "あなた";
  EndWith(300, 2);
  const auto asked = host.OfKind(Event::EnterName);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "あなたの得点は、300で歴代3位の記録です！");
  EXPECT_EQ(asked[0].title, "あなた");  // the name box is preset
  EXPECT_EQ(game.files.HiScoreRows[2], "300,あなた,2位,26/12/07");
  EXPECT_EQ(game.files.HiScoreRows[3], "300,海野波太,1位,98/01/01");
  EXPECT_EQ(game.files.HiScoreRows[9], "900,,3位,98/01/01");
  EXPECT_EQ(ParseHighScores(Get("score.dat")).rows, Rows());
  EXPECT_EQ(host.highScoreTables.size(), 1u);
}

TEST_F(HighScoresTest, TheTableKeepsTenRows) {
  EndWith(1001, 4);
  EXPECT_TRUE(host.events.empty());
  EndWith(1000, 4);
  EXPECT_EQ(game.files.HiScoreRows[9], "1000,あなた,4位,26/12/07");
  EXPECT_EQ(game.files.HiScoreRows[8], "900,,3位,98/01/01");
}

TEST_F(HighScoresTest, NegativeTotalTopsTheTable) {
  game.files.today = [] { return std::string("99/02/11"); };
  EndWith(-35, 1);
  EXPECT_EQ(game.files.HiScoreRows[0], "-35,あなた,1位,99/02/11");
  EXPECT_EQ(host.highScoreTables[0][0].points, "-35");
}

TEST_F(HighScoresTest, TypedNameIsStoredAndAClosedWindowKeepsTheLastOne) {
  host.names = {std::string("つばめ,二号"), std::nullopt};
  EndWith(150, 1);
  EXPECT_EQ(game.files.HiScoreRows[1], "150,つばめ,二号,1位,26/12/07");
  EXPECT_EQ(host.highScoreTables[0][1].name, "つばめ,二号");  // cut by position: commas and all
  EndWith(160, 1);
  EXPECT_EQ(game.files.HiScoreRows[2], "160,つばめ,二号,1位,26/12/07");
  host.names = {std::string("say \"hi\"")};
  EndWith(170, 1);
  EXPECT_EQ(game.files.HiScoreRows[3], "170,say ”hi”,1位,26/12/07");
  EXPECT_EQ(ParseHighScores(Get("score.dat")).rows, Rows());
}

TEST_F(HighScoresTest, PopulatedFileReadsAndWritesBackByteForByte) {
  Put("score.dat", Golden("score_populated.dat"));
  LoadHighScores(game);
  EXPECT_EQ(CellsOfRow(game.files.HiScoreRows[2]).name, "a,b,,c");
  WriteHighScores(game);
  EXPECT_EQ(Get("score.dat"), Golden("score_populated.dat"));
  EXPECT_TRUE(host.events.empty());
}

TEST_F(HighScoresTest, ClearingAsksFirstAndThenLetsAnyTotalIn) {
  host.answers = {Answer::Cancel};
  host.pressClear = {true};
  ShowHighScores(game);
  EXPECT_EQ(game.files.HiScoreRows[0], "100,つばめ,1位,98/01/01");
  const auto asked = host.OfKind(Event::Message);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "クリアしますか？");
  EXPECT_EQ(asked[0].title, "ハイスコアの初期化");
  EXPECT_EQ(asked[0].buttons, Buttons::OkCancel);

  host.answers = {Answer::Ok};
  host.pressClear = {true};
  ShowHighScores(game);
  for (const std::string& row : game.files.HiScoreRows)
    EXPECT_EQ(row, "10000,,4位,98/01/01");
  EXPECT_EQ(host.highScoreTables.back()[0].points, "10000");
  EndWith(9999, 4);
  EXPECT_EQ(game.files.HiScoreRows[0], "9999,あなた,4位,26/12/07");
}

TEST_F(HighScoresTest, RowsOfAnotherFormShowBlankAndTheTableStillOpens) {
  std::array<std::string, 10> rows;
  for (int i = 0; i < 10; ++i)
    rows[i] = std::string(kDefaultHighScoreRows[i]);
  rows[3] = "junk";
  rows[0] = "007,x,1位,98/01/01";
  Put("score.dat", *EncodeCp932Lines(HighScoreLines(rows)));
  ShowHighScores(game);
  EXPECT_TRUE(host.events.size() == 1);  // no fault: the lines are well quoted
  const auto& cells = host.highScoreTables[0];
  EXPECT_EQ(cells[3].points, "");
  EXPECT_EQ(cells[3].name, "");
  EXPECT_EQ(cells[0].points, "");
  EXPECT_EQ(cells[1].points, "200");
  // A new total takes the place of the first row that is not of the form.
  EndWith(50, 1);
  EXPECT_EQ(game.files.HiScoreRows[0], "50,あなた,1位,26/12/07");
}

TEST_F(HighScoresTest, ShortFileWarnsOnceAndKeepsTheRowsRead) {
  const std::string golden = Golden("score_default.dat");
  Put("score.dat", golden.substr(0, golden.find("\"400")));
  ShowHighScores(game);
  EXPECT_EQ(Notices(), std::vector<std::string>{kFault});
  EXPECT_EQ(host.OfKind(Event::Message)[0].icon, Icon::Exclamation);
  EXPECT_EQ(game.files.HiScoreRows[2], "300,海野波太,1位,98/01/01");
  EXPECT_EQ(game.files.HiScoreRows[3], "");
  EXPECT_EQ(host.highScoreTables[0][3].points, "");
}

TEST_F(HighScoresTest, FailedWriteSaysItCouldNotSaveAndTheGameGoesOn) {
  game.files.AppDir += "/gone";
  EndWith(100, 1);
  // The defaults that could not be kept cost nothing; the new row is news.
  EXPECT_EQ(Notices(), std::vector<std::string>{kWriteFault});
  EXPECT_EQ(game.files.HiScoreRows[0], "100,あなた,1位,26/12/07");
  host.Forget();
  host.answers = {Answer::Ok};
  ClearHighScores(game);
  EXPECT_EQ(Notices(), std::vector<std::string>{kWriteFault});
}

TEST_F(HighScoresTest, LookingAtTheTableInAFolderThatCannotBeWrittenSaysNothing) {
  game.files.AppDir += "/gone";
  ShowHighScores(game);
  ShowHighScores(game);
  EXPECT_TRUE(Notices().empty());
  ASSERT_EQ(host.highScoreTables.size(), 2u);
  EXPECT_EQ(host.highScoreTables[1][0].name, "つばめ");
}

TEST_F(HighScoresTest, GameEndOffersTheTotalBeforeCountingTheGame) {
  game.scores.TotalPoints = {400, 500, 600, 120};
  game.scores.standing = {2, 3, 4, 1};
  EndGame(game);
  EXPECT_EQ(game.files.HiScoreRows[1], "120,あなた,1位,26/12/07");
  EXPECT_EQ(host.OfKind(Event::FinalResult).size(), 1u);
  EXPECT_EQ(host.OfKind(Event::HighScores).size(), 1u);
  EXPECT_EQ(ParseRecords(Get("Save.txt")).records.Get(kUserSlot, RecFirsts), 1);
}

}  // namespace
}  // namespace zunpa::testing
