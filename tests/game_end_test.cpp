#include "flow/game_end.h"

#include "flow/turn_cycle.h"
#include "scoring/round_records.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

using GameEndTest = TableTest;

TEST_F(GameEndTest, LastRoundIsAnnouncedAsTheFinalOne) {
  host.strict = false;
  round.RoundNo = 19;
  round.NextStarter = 2;
  RunRoundDriver(game);
  const auto messages = host.OfKind(Event::Message);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].title, "オーラス");
  EXPECT_EQ(messages[0].text, "最終ラウンド（第20ラウンド）：ｳｯｶﾘﾊﾁﾍﾞｴから始めます");
}

TEST_F(GameEndTest, AfterTheTwentiethRoundTheGameEnds) {
  round.RoundNo = 20;
  round.NextStarter = 3;
  game.scores.TotalPoints = {120, -35, 400, 1000};
  game.scores.standing = {2, 1, 3, 4};
  game.display.saveEnabled = true;
  RunRoundDriver(game);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"20ラウンド終了しました。ゲーム終了です。"});
  ASSERT_EQ(host.finalResults.size(), 1u);
  const FinalResult& result = host.finalResults[0];
  EXPECT_EQ(result.rows[0].place, "１位");
  EXPECT_EQ(result.rows[0].name, "ｳｯｶﾘﾊﾁﾍﾞｴ");
  EXPECT_EQ(result.rows[0].points, "-35");
  EXPECT_EQ(result.rows[3].name, "あなた");
  EXPECT_EQ(result.rows[3].colour, kYellow);
  EXPECT_EQ(result.rows[1].colour, 0xFF00FFu);

  EXPECT_EQ(round.RoundNo, 0);
  EXPECT_EQ(round.NextStarter, 0);
  EXPECT_EQ(game.scores.TotalPoints, (std::array<int, 4>{}));
  EXPECT_FALSE(game.display.saveEnabled);
  EXPECT_FALSE(game.display.barVisible);
  const Records& rec = game.records;
  EXPECT_EQ(rec.Get(1, RecFirsts), 1);
  EXPECT_EQ(rec.Get(1, RecMinusGames), 1);
  EXPECT_EQ(rec.Get(0, RecSeconds), 1);
  EXPECT_EQ(rec.Get(kUserSlot, RecFourths), 1);
  EXPECT_EQ(rec.Get(kUserSlot, RecThousandGames), 1);
  EXPECT_EQ(rec.Get(kUserSlot, RecGamePoints), 1000);
  EXPECT_EQ(rec.Get(2, RecThousandGames) + rec.Get(2, RecMinusGames), 0);
  EXPECT_EQ(rec.Get(3, RecGames), 0);
}

TEST_F(GameEndTest, TiedSeatsShareAPlaceOnConsecutiveRows) {
  game.scores.TotalPoints = {40, 10, 60, 10};
  const FinalResult result = FinalResultOf(game);
  EXPECT_EQ(result.rows[0].place, "１位");
  EXPECT_EQ(result.rows[0].name, "ｳｯｶﾘﾊﾁﾍﾞｴ");
  EXPECT_EQ(result.rows[1].place, "１位");
  EXPECT_EQ(result.rows[1].name, "あなた");
  EXPECT_EQ(result.rows[2].place, "３位");
  EXPECT_EQ(result.rows[3].place, "４位");
}

TEST_F(GameEndTest, RoundRecordsCountCallersAndTheSeatCalledOn) {
  round.ZunpaSeat1 = 1;
  round.ZunpaSeat2 = 2;
  round.ZunpaSeat3 = 4;
  round.CurrentSeat = 3;
  game.scores.RoundPoints = {-30, -30, 90, -30};
  UpdateRoundRecords(game);
  const Records& rec = game.records;
  for (int slot : {0, 1, kUserSlot}) {
    EXPECT_EQ(rec.Get(slot, RecZunpaWins), 1);
    EXPECT_EQ(rec.Get(slot, RecWins), 1);
    EXPECT_EQ(rec.Get(slot, RecRounds), 1);
  }
  EXPECT_EQ(rec.Get(2, RecZunpaLosses), 1);
  EXPECT_EQ(rec.Get(2, RecRoundPoints), 90);
  EXPECT_EQ(game.scores.RoundPoints, (std::array<int, 4>{}));

  // A countered double: only the first caller is counted as called on.
  round = RoundState{};
  round.ZunpaSeat1 = 2;
  round.CurrentSeat = 1;
  round.CounteredSeat1 = 3;
  UpdateRoundRecords(game);
  EXPECT_EQ(rec.Get(1, RecZunpaWins), 2);
  EXPECT_EQ(rec.Get(0, RecZunpaLosses), 1);
  EXPECT_EQ(rec.Get(2, RecZunpaLosses), 1);

  round = RoundState{};
  round.OutSeat = 4;
  UpdateRoundRecords(game);
  EXPECT_EQ(rec.Get(kUserSlot, RecOutWins), 1);
  EXPECT_EQ(rec.Get(kUserSlot, RecWins), 2);
}

TEST_F(GameEndTest, SeatsTiedAtTheTopBothCountAFirstPlace) {
  game.scores.TotalPoints = {0, 0, 50, 60};
  game.scores.standing = {1, 1, 3, 4};
  UpdateGameRecords(game);
  EXPECT_EQ(game.records.Get(0, RecFirsts), 1);
  EXPECT_EQ(game.records.Get(1, RecFirsts), 1);
  EXPECT_EQ(game.records.Get(0, RecMinusGames) + game.records.Get(0, RecThousandGames), 0);
}

TEST(Records, CountersNeverWrap) {
  Records rec;
  rec.Add(0, RecRoundPoints, 2'000'000'000);
  rec.Add(0, RecRoundPoints, 2'000'000'000);
  EXPECT_EQ(rec.Get(0, RecRoundPoints), 2147483647);
}

}  // namespace
}  // namespace zunpa::testing
