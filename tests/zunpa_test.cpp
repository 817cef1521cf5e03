#include "flow/zunpa.h"

#include "rules/play.h"
#include "rules/play_observer.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

class ZunpaTest : public TableTest {
 protected:
  // Seat `seat` has just put `code` on the pile.
  void Played(int seat, int code) {
    round.HandOf(seat).Remove(code);
    round.PileSuit = SuitOfCode(code);
    round.PileRank = RankOfCode(code);
    round.pileLog.Add(code);
    round.CurrentSeat = seat;
  }
};

TEST_F(ZunpaTest, UserDecliningTheThirdCallMakesADouble) {
  SetTable(game, {{{104, 105}, {309, 113}, {202, 203, 204}, {409}}}, 301);
  Played(2, 309);
  host.answers = {Answer::No};
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaSeat1, 1);
  EXPECT_EQ(round.ZunpaSeat2, 3);
  EXPECT_EQ(round.ZunpaSeat3, 0);
  EXPECT_EQ(round.ZunpaKind, 2);
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"ズンパできます。しますか？", "ダブルズンパです。"}));
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"509@1", "515@2", "510@3", "515@2"}));
  EXPECT_TRUE(game.display.Card(kSpade, 4).faceUp);
  EXPECT_TRUE(game.display.Card(kHeart, 2).faceUp);
}

TEST_F(ZunpaTest, TripleCallWithTheUserAsThirdCaller) {
  SetTable(game, {{{104, 105}, {309, 113}, {202, 203, 204}, {409}}}, 301);
  Played(2, 309);
  host.answers = {Answer::Yes};
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaKind, 3);
  EXPECT_EQ(round.ZunpaSeat3, 4);
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"ズンパできます。しますか？", "トリプルズンパです。"}));
  // The user answered the call; only the hit is heard after it.
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"509@1", "515@2", "510@3", "515@2", "515@2"}));
  EXPECT_EQ(host.Sounds(), std::vector<std::string>{});  // voices off: no effects either
}

TEST_F(ZunpaTest, KingMatchesSixAndSevenOrASingleKing) {
  SetTable(game, {{{106, 107}, {113, 105}, {313}, {401, 402}}}, 213);
  Played(2, 113);
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaSeat1, 1);
  EXPECT_EQ(round.ZunpaSeat2, 3);
  EXPECT_EQ(round.ZunpaKind, 2);
}

TEST_F(ZunpaTest, MoverNeverCallsOnItsOwnCard) {
  SetTable(game, {{{103, 105, 110}, {201, 213}, {301, 313}, {401, 413}}}, 108);
  Played(1, 110);  // 3 + 5 left: not 10, and no one else totals 10
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaKind, 0);
  SetTable(game, {{{104, 106, 110}, {201, 213}, {301, 313}, {401, 413}}}, 108);
  Played(1, 110);  // 4 + 6 = 10, but the mover cannot call
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaKind, 0);
  EXPECT_EQ(round.ZunpaSeat1, 0);
}

TEST_F(ZunpaTest, ComputerMoverAlwaysCountersACall) {
  SetCharacters(game, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
  SetTable(game, {{{408}, {103, 105, 208}, {301, 313}, {401, 413}}}, 201);
  Played(2, 208);
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaSeat1, 2);
  EXPECT_EQ(round.CurrentSeat, 1);
  EXPECT_EQ(round.ZunpaKind, 1);
  EXPECT_TRUE(round.Countered);
  EXPECT_EQ(host.Callouts(), (std::vector<std::string>{"509@1", "515@2", "512@2"}));
}

TEST_F(ZunpaTest, DoubleCounterMakesTheSecondCallerLoseToo) {
  SetCharacters(game, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
  SetTable(game, {{{408}, {103, 105, 208}, {308}, {401, 413}}}, 201);
  Played(2, 208);
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaSeat1, 2);
  EXPECT_EQ(round.ZunpaSeat2, 0);
  EXPECT_EQ(round.CurrentSeat, 1);
  EXPECT_EQ(round.CounteredSeat1, 3);
  EXPECT_EQ(round.ZunpaKind, 2);
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"ダブルズンパです。", "ダブルズンパ返しです。"}));
  EXPECT_EQ(host.Callouts().back(), "513@2");
}

TEST_F(ZunpaTest, UserMayDeclineTheCounter) {
  SetCharacters(game, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
  SetTable(game, {{{410}, {201, 213}, {301, 313}, {104, 106, 310}}}, 110);
  Played(4, 310);
  host.answers = {Answer::No};
  CheckZunpa(game);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"ズンパ返しできます。しますか？"});
  EXPECT_EQ(round.ZunpaSeat1, 1);
  EXPECT_EQ(round.CurrentSeat, 4);
  EXPECT_EQ(round.ZunpaKind, 1);
  EXPECT_FALSE(round.Countered);
}

TEST_F(ZunpaTest, UserHitByASingleCallHearsTheEffects) {
  game.options.Sound = true;
  SetCharacters(game, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
  SetTable(game, {{{410}, {201, 213}, {301, 313}, {104, 107, 310}}}, 110);
  Played(4, 310);
  CheckZunpa(game);
  EXPECT_EQ(host.Sounds(), (std::vector<std::string>{"hizunpa.wav", "hizunpa2.wav"}));
  const auto calls = host.OfKind(Event::Announce);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].code, 509);
  EXPECT_TRUE(calls[0].title.ends_with("/zunpa_f.wav"));
}

TEST_F(ZunpaTest, UserDecliningTheOnlyCallLeavesTheRoundRunning) {
  SetTable(game, {{{103, 104}, {201, 213}, {301, 313}, {409}}}, 309);
  round.HandOf(1).Insert(109);
  Played(1, 109);
  host.answers = {Answer::No};
  CheckZunpa(game);
  EXPECT_EQ(round.ZunpaSeat1, 0);
  EXPECT_EQ(round.ZunpaKind, 0);
  EXPECT_FALSE(round.Countered);
  EXPECT_TRUE(host.Callouts().empty());
}

TEST_F(ZunpaTest, ZunpaOnTheLastCardBeatsGoingOut) {
  SetCharacters(game, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
  SetTable(game, {{{109}, {209}, {301, 313}, {401, 413}}}, 309);
  round.CurrentSeat = 1;
  round.SelSuit = kSpade;
  round.SelRank = 9;
  PlayCard(game);
  EXPECT_EQ(round.OutSeat, 0);
  EXPECT_EQ(round.ZunpaSeat1, 2);
  EXPECT_EQ(round.CurrentSeat, 1);
  EXPECT_FALSE(round.Countered);
  EXPECT_EQ(round.NextStarter, 2);
}

}  // namespace
}  // namespace zunpa::testing
