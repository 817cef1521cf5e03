#include "files/records_file.h"

#include "files/start_up.h"
#include "folder_fixture.h"

namespace zunpa::testing {
namespace {

using RecordsFileTest = FolderTest;

TEST_F(RecordsFileTest, RecordsReadAndWriteBackByteForByte) {
  Put("Save.txt", Golden("save_populated.txt"));
  StartUp(game);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(game.records.Get(0, RecRounds), 1);
  EXPECT_EQ(game.records.Get(1, RecRoundPoints), -251);
  EXPECT_EQ(game.records.Get(3, RecRounds), 2147483647);
  EXPECT_EQ(game.records.Get(3, RecRoundPoints), -2147483647 - 1);
  EXPECT_EQ(game.records.Get(6, RecThousandGames), 1);
  std::remove(File("Save.txt").c_str());
  SaveSettingsAndRecords(game);
  EXPECT_EQ(Get("Save.txt"), Golden("save_populated.txt"));
}

TEST_F(RecordsFileTest, NoFileMeansZeroAndZeroIsWrittenAsSevenLines) {
  StartUp(game);
  SaveSettingsAndRecords(game);
  EXPECT_EQ(Get("Save.txt"), Golden("save_default.txt"));
}

TEST_F(RecordsFileTest, SixLinesKeepTheSlotsReadAndWarnOnce) {
  const std::string golden = Golden("save_populated.txt");
  std::string six = golden.substr(0, golden.rfind("\r\n", golden.size() - 3) + 2);
  Put("Save.txt", six);
  StartUp(game);
  const auto messages = host.OfKind(Event::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "エラーをトラップしました。zunpa.exeと同じフォルダにあるsave.txtの中身がおかしい可能性があります。"
            "削除してください。");
  EXPECT_EQ(messages[0].icon, Icon::None);
  EXPECT_EQ(game.records.Get(5, RecRounds), 501);
  for (int c = 0; c < kRecordCounters; ++c)
    EXPECT_EQ(game.records.Get(6, static_cast<RecordCounter>(c)), 0);
}

TEST_F(RecordsFileTest, CountersBeforeABadItemKeepTheirValues) {
  Put("Save.txt", "1,2,3,x,5,6,7,8,9,10,11,12,13,14\r\n");
  StartUp(game);
  EXPECT_EQ(game.records.Get(0, RecWins), 3);
  EXPECT_EQ(game.records.Get(0, RecOutWins), 0);
  EXPECT_EQ(host.OfKind(Event::Message).size(), 1u);
}

TEST_F(RecordsFileTest, RecordsAreOnDiskAfterEverySettledRound) {
  StartUp(game);
  host.strict = false;
  SetTable(game, {{{306}, {201, 213}, {302, 313}, {305, 410}}}, 303);
  round.RoundNo = 3;
  round.CurrentSeat = 1;
  round.SelSuit = kClub;
  round.SelRank = 6;
  PlayCard(game);  // seat 1 goes out
  const RecordsRead onDisk = ParseRecords(Get("Save.txt"));
  EXPECT_FALSE(onDisk.fault);
  EXPECT_EQ(onDisk.records.Get(0, RecOutWins), 1);
  EXPECT_EQ(onDisk.records.Get(kUserSlot, RecRounds), 1);
}

}  // namespace
}  // namespace zunpa::testing
