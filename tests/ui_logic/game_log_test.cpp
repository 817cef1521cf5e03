// 経過: the line each event of a round leaves, played through the rules on
// chosen tables; whole seeded games that never name a hidden card; a fresh
// log for each game.

#include "ui_logic/game_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "files/saved_game.h"
#include "flow/draw_two.h"
#include "flow/new_game.h"
#include "flow/seat_names.h"
#include "flow/turn_cycle.h"
#include "random_user_host.h"
#include "rules/deal.h"
#include "rules/draw.h"
#include "table_builder.h"
#include "ui_logic/log_texts.h"

namespace zunpa::testing {
namespace {

using ui::LogEntry;
using ui::LogKind;

class GameLogTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    game.observer = &log;
  }
  std::vector<std::string> Texts(std::size_t from = 0) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < log.entries().size(); ++i)
      texts.push_back(log.entries()[i].text);
    return texts;
  }
  const LogEntry* Find(const std::string& text) const {
    for (const LogEntry& entry : log.entries())
      if (entry.text == text) return &entry;
    return nullptr;
  }
  bool Has(const std::string& text) const { return Find(text) != nullptr; }
  const LogEntry* StartingWith(const std::string& prefix) const {
    for (const LogEntry& entry : log.entries())
      if (entry.text.rfind(prefix, 0) == 0) return &entry;
    return nullptr;
  }
  ui::GameLog log;
};

TEST(LogTexts, CardsAreNamedBySuitAndRank) {
  EXPECT_EQ(ui::CardName(101), "スペードのA");
  EXPECT_EQ(ui::CardName(209), "ハートの9");
  EXPECT_EQ(ui::CardName(310), "クローバーの10");
  EXPECT_EQ(ui::CardName(311), "クローバーのJ");
  EXPECT_EQ(ui::CardName(412), "ダイヤのQ");
  EXPECT_EQ(ui::CardName(113), "スペードのK");
  Hand hand;
  EXPECT_EQ(ui::HandText(hand), "なし");
  hand.Insert(402);
  hand.Insert(103);
  EXPECT_EQ(ui::HandText(hand), "スペードの3、ダイヤの2");
}

TEST_F(GameLogTest, PlaysAndTheirRolesAreToldInTurn) {
  SetTable(game, {{{110, 108, 102, 107}, {204, 207}, {305, 309}, {202, 401, 413}}}, 210);
  Play(1, 110);
  Play(1, 108);
  Play(1, 102);
  Play(4, 202);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"ｱｶﾞﾘｰﾀ: スペードの10", "ｱｶﾞﾘｰﾀ: スキップ！ ｳｯｶﾘﾊﾁﾍﾞｴの番はとばす",
                                               "ｱｶﾞﾘｰﾀ: スペードの8", "ｱｶﾞﾘｰﾀ: リバース！ 逆回りになった",
                                               "ｱｶﾞﾘｰﾀ: スペードの2", "ｱｶﾞﾘｰﾀ: ２！ あなたは２を出すか2枚引く",
                                               "あなた: ハートの2", "あなた: ２！ ﾙ･ﾆｭｰﾄﾗは２を出すか4枚引く"}));
  const std::vector<LogKind> kinds = {LogKind::Play, LogKind::Role, LogKind::Play, LogKind::Role,
                                      LogKind::Play, LogKind::Role, LogKind::Play, LogKind::Role};
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(log.entries()[i].kind, kinds[i]) << i;
    EXPECT_EQ(log.entries()[i].seat, i < 6 ? 1 : 4) << i;
  }

  SetTable(game, {{{101}, {108, 207}, {305}, {401}}}, 208);
  round.Reversed = true;
  Play(2, 108);
  EXPECT_EQ(log.entries().back().text, "ｳｯｶﾘﾊﾁﾍﾞｴ: リバース！ 順回りに戻った");
}

TEST_F(GameLogTest, DeclaredSuitsAreTold) {
  SetTable(game, {{{101, 104}, {204, 206}, {311, 305, 309}, {211, 401, 413}}}, 210);
  host.suitChoices = {{2, false}};
  Play(4, 211);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"あなた: ハートのJ", "あなた: マークをクローバーに変えた"}));
  EXPECT_EQ(log.entries()[1].kind, LogKind::Declare);
  Play(3, 311);
  EXPECT_EQ(log.entries().back().text, "ﾙ･ﾆｭｰﾄﾗ: マークを" + std::string(kSuitNames[round.PileSuit - 1]) + "に変えた");
  EXPECT_EQ(log.entries().back().seat, 3);
}

TEST_F(GameLogTest, OnlyTheUsersOwnDrawsAreNamed) {
  SetTable(game, {{{101, 103}, {204, 207}, {305, 309}, {401, 413}}}, 210, {112, 209});
  DrawCard(game, 0);
  DrawCard(game, 3);
  DrawCard(game, 1);  // the stock is empty: reshuffled first
  EXPECT_EQ(Texts(), (std::vector<std::string>{"ｱｶﾞﾘｰﾀ: 1枚引いた", "あなた: 1枚引いた（スペードのQ）",
                                               "山札がなくなったのでシャッフル", "ｳｯｶﾘﾊﾁﾍﾞｴ: 1枚引いた"}));
  EXPECT_EQ(log.entries()[0].kind, LogKind::Draw);
  EXPECT_EQ(log.entries()[2].kind, LogKind::Reshuffle);
  EXPECT_EQ(log.entries()[2].seat, 0);
}

TEST_F(GameLogTest, ADrawTwoPenaltyIsOneLine) {
  SetTable(game, {{{101, 103}, {204, 207}, {305, 309}, {401, 413}}}, 202, {105, 106, 107, 108, 109, 111});
  round.DrawPenalty = 4;
  AnswerDrawTwo(game, 1);
  round.DrawPenalty = 2;
  AnswerDrawTwo(game, 3);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"ｳｯｶﾘﾊﾁﾍﾞｴ: ドロー・ツーで4枚引いた",
                                               "あなた: ドロー・ツーで2枚引いた（スペードの6、スペードの5）"}));
  EXPECT_EQ(log.entries()[0].kind, LogKind::Penalty);
  EXPECT_EQ(log.entries()[1].seat, 4);
}

TEST_F(GameLogTest, TheDealAndTheOpeningCardWithItsEffect) {
  round.RoundNo = 3;
  round.NextStarter = 2;
  ShuffleAndDeal(game);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"── 第3ラウンド（ｳｯｶﾘﾊﾁﾍﾞｴから） ──",
                                               "あなたの手札: " + ui::HandText(round.HandOf(4))}));
  EXPECT_EQ(log.entries()[1].seat, 4);
  const std::pair<int, std::vector<std::string>> openings[] = {
      {202, {"場札: ハートの2", "最初のプレーヤーはドロー・ツー（2枚）"}},
      {210, {"場札: ハートの10", "スキップ: ｳｯｶﾘﾊﾁﾍﾞｴをとばして始める"}},
      {208, {"場札: ハートの8", "リバース: 逆回りで始める"}},
      {211, {"場札: ハートのJ"}},
  };
  for (const auto& [card, lines] : openings) {
    SetTable(game, {{{101}, {102}, {103}, {104}}}, 105, {card});
    round.NextStarter = 2;
    const std::size_t from = log.entries().size();
    TurnUpOpeningCard(game);
    EXPECT_EQ(Texts(from), lines);
  }
}

TEST_F(GameLogTest, ZunpaOnTheUsersCardAndTheSettlement) {
  SetTable(game, {{{101, 113}, {204, 213}, {304, 305}, {409, 410}}}, 309);
  Play(4, 409);
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "あなた: ダイヤの9", "ﾙ･ﾆｭｰﾄﾗ: ズンパ！ 手札 クローバーの4、クローバーの5（合計9）",
                         "あなた: ズンパされた", "第1ラウンドの得点", "ｱｶﾞﾘｰﾀ: 25点（スペードのA、スペードのK）",
                         "ｳｯｶﾘﾊﾁﾍﾞｴ: 14点（ハートの4、ハートのK）", "ﾙ･ﾆｭｰﾄﾗ: -57点（クローバーの4、クローバーの5）",
                         "あなた: 57点（ダイヤの9、ダイヤの10）",
                         "通算: ｱｶﾞﾘｰﾀ 25点、ｳｯｶﾘﾊﾁﾍﾞｴ 14点、ﾙ･ﾆｭｰﾄﾗ -57点、あなた 57点"}));
  EXPECT_EQ(Find("ﾙ･ﾆｭｰﾄﾗ: ズンパ！ 手札 クローバーの4、クローバーの5（合計9）")->kind, LogKind::Zunpa);
  EXPECT_EQ(Find("ﾙ･ﾆｭｰﾄﾗ: ズンパ！ 手札 クローバーの4、クローバーの5（合計9）")->seat, 3);
  EXPECT_EQ(Find("第1ラウンドの得点")->kind, LogKind::Points);
  EXPECT_EQ(log.entries().back().kind, LogKind::Totals);
}

TEST_F(GameLogTest, ADoubleCallCounteredWithAHeldTwoPaid) {
  SetTable(game, {{{102, 103, 104}, {309, 204, 205}, {303, 306}, {401, 413}}}, 301);
  Play(2, 309);
  const std::vector<std::string> calls = {"ｳｯｶﾘﾊﾁﾍﾞｴ: クローバーの9",
                                          "ｱｶﾞﾘｰﾀ: ズンパ！ 手札 スペードの2、スペードの3、スペードの4（合計9）",
                                          "ﾙ･ﾆｭｰﾄﾗ: ズンパ！ 手札 クローバーの3、クローバーの6（合計9）",
                                          "ダブルズンパ！",
                                          "ｳｯｶﾘﾊﾁﾍﾞｴ: ズンパ返し！ 手札 ハートの4、ハートの5（合計9）",
                                          "ダブルズンパ返し！",
                                          "ｱｶﾞﾘｰﾀ: ズンパ返しされた",
                                          "ﾙ･ﾆｭｰﾄﾗ: ズンパ返しされた"};
  const std::vector<std::string> texts = Texts();
  ASSERT_GT(texts.size(), calls.size());
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + calls.size()), calls);
  // The round is over: the cards the held 2 brings are on the table.
  const LogEntry* paid = StartingWith("ｱｶﾞﾘｰﾀ: 残ったスペードの2で2枚引いた（");
  ASSERT_TRUE(paid);
  EXPECT_EQ(paid->kind, LogKind::Penalty);
  EXPECT_EQ(texts[calls.size()], paid->text);
}

TEST_F(GameLogTest, OnlyTheUsersDeclinedCallIsTold) {
  SetTable(game, {{{101, 113}, {309, 213}, {304, 306}, {404, 405}}}, 301);
  host.answers = {Answer::No};
  Play(2, 309);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"ｳｯｶﾘﾊﾁﾍﾞｴ: クローバーの9", "あなた: ズンパを見送った"}));
  // ｱｶﾞﾘｰﾀ lets a call with two cards pass: nothing shows it.
  SetTable(game, {{{104, 105}, {309, 213}, {304, 306}, {401, 413}}}, 301);
  const std::size_t from = log.entries().size();
  Play(2, 309);
  EXPECT_EQ(round.ZunpaKind, 0);
  EXPECT_EQ(Texts(from), std::vector<std::string>{"ｳｯｶﾘﾊﾁﾍﾞｴ: クローバーの9"});
}

TEST_F(GameLogTest, GoingOutWithATwoPassesThePenaltyOn) {
  SetTable(game, {{{202}, {204, 207}, {305, 309}, {401, 413}}}, 209, {112, 113});
  Play(1, 202);
  const std::vector<std::string> texts = Texts();
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 5),
            (std::vector<std::string>{"ｱｶﾞﾘｰﾀ: ハートの2", "ｱｶﾞﾘｰﾀ: あがり！",
                                      "ｳｯｶﾘﾊﾁﾍﾞｴ: あがりのハートの2で2枚引いた（スペードのK、スペードのQ）",
                                      "第1ラウンドの得点", "ｱｶﾞﾘｰﾀ: 0点（あがり）"}));
  EXPECT_EQ(log.entries()[1].kind, LogKind::Out);
}

TEST_F(GameLogTest, AZunpaOnATwoMakesTheCalledOnSeatPayTwice) {
  SetTable(game, {{{101, 113}, {202, 213}, {302}, {401, 413}}}, 209, {105, 106, 107, 108});
  Play(2, 202);
  EXPECT_TRUE(Has("ｳｯｶﾘﾊﾁﾍﾞｴ: ズンパした側の２で2枚引いた（スペードの8、スペードの7）"));
  EXPECT_TRUE(Has("ｳｯｶﾘﾊﾁﾍﾞｴ: ズンパされたハートの2で2枚引いた（スペードの6、スペードの5）"));
}

TEST_F(GameLogTest, HalvingsAndDoublingsOfTheTotals) {
  SetTable(game, {{{209}, {105}, {104}, {103, 107}}}, 210);
  game.scores.TotalPoints = {0, 45, 45, 0};
  Play(1, 209);
  const LogEntry* halved = Find("ｳｯｶﾘﾊﾁﾍﾞｴ: 得点半減（50の倍数） 50点 → 25点");
  const LogEntry* doubled = Find("ﾙ･ﾆｭｰﾄﾗ: 得点倍増（50の倍数±1） 49点 → 98点");
  ASSERT_TRUE(halved);
  ASSERT_TRUE(doubled);
  EXPECT_EQ(halved->kind, LogKind::Halving);
  EXPECT_EQ(halved->seat, 2);
  EXPECT_EQ(doubled->kind, LogKind::Doubling);
  EXPECT_EQ(doubled->seat, 3);
  EXPECT_EQ(log.entries().back().text, "通算: ｱｶﾞﾘｰﾀ 0点、ｳｯｶﾘﾊﾁﾍﾞｴ 25点、ﾙ･ﾆｭｰﾄﾗ 98点、あなた 10点");
  EXPECT_LT(halved, doubled);
}

// A game of four computers from start to end, then the next one.
TEST(GameLog, EachGameStartsAFreshLog) {
  ScriptedHost host;
  Game game(host);
  game.watching = false;
  game.random.Seed(DeriveSeed(5, 1));
  ui::GameLog log;
  game.observer = &log;
  std::vector<LogEntry> heard;
  int resets = 0;
  log.OnEntry([&](const LogEntry& entry) { heard.push_back(entry); });
  log.OnReset([&] {
    ++resets;
    heard.clear();
  });
  SeatComputers(game, {Character::Neutora, Character::TrickUme, Character::Zunpasky, Character::KiOokuman});
  BeginNewGame(game);
  RunSteps(game);
  ASSERT_EQ(resets, 1);
  ASSERT_FALSE(log.entries().empty());
  EXPECT_EQ(heard.size(), log.entries().size());
  EXPECT_EQ(log.entries().front().text, "新しいゲーム: ﾙ･ﾆｭｰﾄﾗ、ﾄﾘｯｸ･ｳﾒ、ｽﾞﾝﾊﾟｽｷｲ、ｷ･ｵｰｸﾏﾝ");
  EXPECT_EQ(log.entries().back().kind, LogKind::GameEnd);
  EXPECT_EQ(log.entries().back().text.rfind("ゲーム終了: 1位 ", 0), 0u);
  int deals = 0, totals = 0;
  for (const LogEntry& entry : log.entries()) {
    deals += entry.kind == LogKind::Round;
    totals += entry.kind == LogKind::Totals;
  }
  EXPECT_EQ(deals, 20);
  EXPECT_EQ(totals, 20);
  const std::string text = log.Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), long(log.entries().size()));

  BeginNewGame(game);
  EXPECT_EQ(resets, 2);
  EXPECT_EQ(log.entries().front().kind, LogKind::Game);
  EXPECT_EQ(log.entries()[1].kind, LogKind::Round);
  EXPECT_EQ(log.entries()[1].text.rfind("── 第1ラウンド（", 0), 0u);
  EXPECT_EQ(heard.size(), log.entries().size());
}

TEST_F(GameLogTest, AContinuedGameStartsAFreshLog) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zunpa-log-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  game.files.AppDir = folder.string();
  game.random.Seed(DeriveSeed(9, 2));
  BeginNewGame(game);
  ASSERT_GT(log.entries().size(), 2u);
  game.display.saveEnabled = true;
  host.answers = {Answer::Ok, Answer::Ok};
  SaveGame(game);
  ContinueGame(game);
  std::filesystem::remove_all(folder);
  ASSERT_GE(log.entries().size(), 2u);
  EXPECT_EQ(log.entries()[0].text, "保存したゲームのつづき: ｱｶﾞﾘｰﾀ、ｳｯｶﾘﾊﾁﾍﾞｴ、ﾙ･ﾆｭｰﾄﾗ、あなた");
  EXPECT_EQ(log.entries()[1].kind, LogKind::Round);
}

using zunpa::testing::RandomUser;

// Every card a line names is in the user's hand or lies face up on the
// table when the line is written, or the round is over and every hand is
// open.
class HiddenCardWatch {
 public:
  explicit HiddenCardWatch(const Game& g) : g_(g) {}
  void Check(const LogEntry& entry) {
    ++kinds[entry.kind];
    // A call opens the callers' hands as it is made; the rest are opened
    // by the settlement.
    const bool roundOver = g_.round.OutSeat != 0 || (g_.round.ZunpaSeat1 != 0 && entry.kind != LogKind::Zunpa);
    if (entry.kind == LogKind::Draw && entry.seat >= 1 && entry.seat <= 3 && !roundOver) {
      EXPECT_EQ(entry.text, g_.seats.playing[entry.seat - 1] + ": 1枚引いた");
    }
    for (int n = 0; n < kCardsInPack; ++n) {
      const int code = CodeOf(CardOfNumber(n));
      if (entry.text.find(ui::CardName(code)) == std::string::npos) continue;
      if (roundOver) continue;
      if (g_.round.HandOf(4).Contains(code)) continue;  // the user's own, face up or about to be
      EXPECT_TRUE(g_.display.Card(SuitOfCode(code), RankOfCode(code)).faceUp)
          << entry.text << " names a hidden " << code;
      openComputerCards += !OnPile(code);
    }
  }
  std::map<LogKind, int> kinds;
  int openComputerCards = 0;

 private:
  bool OnPile(int code) const {
    const PileLog& pile = g_.round.pileLog;
    for (int k = 0; k < pile.size(); ++k)
      if (pile[k] == code) return true;
    return false;
  }
  const Game& g_;
};

TEST(GameLog, NoHiddenCardIsNamedInFortySeededGames) {
  std::map<LogKind, int> kinds;
  int openComputerCards = 0;
  for (unsigned n = 0; n < 40; ++n) {
    RandomUser user(n);
    Game game(user);
    UseStandardTable(game);
    game.random.Seed(DeriveSeed(404, n));
    ui::GameLog log;
    game.observer = &log;
    HiddenCardWatch watch(game);
    bool ended = false;
    log.OnEntry([&](const LogEntry& entry) {
      watch.Check(entry);
      ended = ended || entry.kind == LogKind::GameEnd;
    });
    BeginNewGame(game);
    RunSteps(game);
    for (int actions = 0; !ended && actions < 100000; ++actions)
      user.Act(game);
    ASSERT_TRUE(ended) << "game " << n;
    ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << n;
    for (const auto& [kind, count] : watch.kinds)
      kinds[kind] += count;
    openComputerCards += watch.openComputerCards;
  }
  // The games told every kind of event, and named the cards of hands that
  // a Zunpa call opened.
  for (LogKind kind :
       {LogKind::Game, LogKind::Round, LogKind::Hand, LogKind::Open, LogKind::Play, LogKind::Draw, LogKind::Penalty,
        LogKind::Reshuffle, LogKind::Role, LogKind::Declare, LogKind::Zunpa, LogKind::Out, LogKind::Points,
        LogKind::Halving, LogKind::Doubling, LogKind::Totals, LogKind::GameEnd})
    EXPECT_GT(kinds[kind], 0) << int(kind);
  EXPECT_GT(openComputerCards, 0);
}

}  // namespace
}  // namespace zunpa::testing
