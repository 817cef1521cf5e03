// Reads a run's log back and replays it on a fresh table: every deal is a
// whole pack, every play is legal and is the move the seat's character
// chooses, every draw takes the top of the stock, every call adds up, and
// the totals follow from the round points.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "players/strategies.h"
#include "rules/scores.h"
#include "scoring/points.h"
#include "sim_runner.h"

namespace zunpa::sim {
namespace {

using nlohmann::json;

class Replay {
 public:
  void Apply(const json& e) {
    const std::string ev = e.at("ev");
    ++events;
    if (ev == "game") return Game(e);
    if (ev == "deal") return Deal(e);
    if (ev == "open") return Open(e.at("card"));
    if (ev == "play") return Play(e.at("seat"), e.at("card"));
    if (ev == "draw") return Draw(e.at("seat"), e.at("card"), e.at("penalty"), e.at("after_round"));
    if (ev == "reshuffle") return Reshuffle(e.at("stock"));
    if (ev == "declare") return Declare(e.at("seat"), e.at("suit"));
    if (ev == "zunpa") return Zunpa(e);
    if (ev == "round") return RoundEnd(e);
    if (ev == "end") return GameEnd(e);
    if (ev == "stalled") return;
    ADD_FAILURE() << "unknown event " << e.dump();
  }
  long events = 0, plays = 0, checkedChoices = 0;

 private:
  void Game(const json& e) {
    for (int s = 0; s < 4; ++s)
      characters_[s] = *CharacterNamed(e.at("players")[s].get<std::string>());
    const auto r = e.at("roles");
    roles_ = {r[0], r[1], r[2]};
    totals_ = {};
  }
  void Deal(const json& e) {
    std::set<int> all;
    for (int s = 0; s < 4; ++s) {
      hands_[s].Clear();
      for (int code : e.at("hands")[s])
        hands_[s].Insert(code), all.insert(code);
      EXPECT_EQ(hands_[s].size(), 5);
    }
    stock_ = e.at("stock").get<std::vector<int>>();
    EXPECT_EQ(stock_.size(), 32u);
    all.insert(stock_.begin(), stock_.end());
    EXPECT_EQ(all.size(), 52u);
    over_ = false;
    twoPending_ = false;
  }
  void Open(int card) {
    ASSERT_FALSE(stock_.empty());
    EXPECT_EQ(stock_.back(), card);
    stock_.pop_back();
    Top(card);
    log_.Clear();
    log_.Add(card);
    twoPending_ = RankOfCode(card) == 2;
  }
  void Play(int seat, int card) {
    ++plays;
    Hand& hand = hands_[seat - 1];
    ASSERT_TRUE(hand.Contains(card)) << "seat " << seat << " does not hold " << card;
    EXPECT_TRUE(SuitOfCode(card) == pileSuit_ || RankOfCode(card) == pileRank_)
        << card << " on " << pileSuit_ << "/" << pileRank_;
    if (!twoPending_) ExpectChoice(seat, Move{false, card});
    hand.Remove(card);
    Top(card);
    log_.Add(card);
    twoPending_ = RankOfCode(card) == 2;
    if (hand.empty()) over_ = true;  // went out
  }
  void Draw(int seat, int card, bool penalty, bool afterRound) {
    EXPECT_EQ(afterRound, over_);
    if (!penalty && !over_) ExpectChoice(seat, Move{true, 0});
    if (!over_ && (penalty || !twoPending_)) twoPending_ = false;
    ASSERT_FALSE(stock_.empty());
    EXPECT_EQ(stock_.back(), card);
    stock_.pop_back();
    hands_[seat - 1].Insert(card);
  }
  void Reshuffle(const json& stock) {
    stock_ = stock.get<std::vector<int>>();
    std::set<int> kept(stock_.begin(), stock_.end());
    EXPECT_EQ(kept.size(), stock_.size());
    EXPECT_EQ(kept.count(CodeOf(printedSuit_, pileRank_)), 0u) << "the top of the pile went back into the stock";
    for (const Hand& h : hands_)
      for (int code : h)
        EXPECT_EQ(kept.count(code), 0u) << "a card in a hand went back into the stock";
    log_.Clear();
    log_.Add(CodeOf(printedSuit_, pileRank_));
  }
  void Declare(int, int suit) {
    EXPECT_EQ(pileRank_, roles_.SuitChangeRank);
    pileSuit_ = suit;
  }
  void Zunpa(const json& e) {
    const bool passed = e.at("passed");
    if (passed) return;
    for (int caller : e.at("callers"))
      EXPECT_EQ(hands_[caller - 1].Total(), pileRank_) << "caller " << caller;
    if (e.at("countered")) {
      EXPECT_EQ(hands_[e.at("winner").get<int>() - 1].Total(), pileRank_);
    }
    over_ = true;
  }
  void RoundEnd(const json& e) {
    if (e.at("end") == "out") {
      over_ = true;
      EXPECT_TRUE(std::any_of(hands_.begin(), hands_.end(), [](const Hand& h) { return h.empty(); }));
    }
    EXPECT_TRUE(over_);
    for (int s = 0; s < 4; ++s) {
      int total = ClampPoints(std::int64_t{totals_[s]} + e.at("points")[s].get<int>());
      if (ChangeOfTotal(total) == TotalChange::Halved) total /= 2;
      if (ChangeOfTotal(total) == TotalChange::Doubled) total = ClampPoints(std::int64_t{total} * 2);
      totals_[s] = total;
    }
    EXPECT_EQ(e.at("totals").get<std::vector<int>>(), std::vector<int>(totals_.begin(), totals_.end()));
  }
  void GameEnd(const json& e) {
    Scores scores;
    for (int s = 0; s < 4; ++s)
      scores.TotalPoints[s] = e.at("totals")[s];
    for (int s = 1; s <= 4; ++s)
      EXPECT_EQ(e.at("standings")[s - 1].get<int>(), StandingOf(scores, s));
  }
  void Top(int card) {
    pileSuit_ = printedSuit_ = SuitOfCode(card);
    pileRank_ = RankOfCode(card);
  }
  // The move the seat made is the one its character makes on this table.
  void ExpectChoice(int seat, Move made) {
    SeatView view{seat, hands_[seat - 1], pileSuit_, pileRank_, log_, {}, 0, roles_};
    for (int s = 0; s < 4; ++s)
      view.handCounts[s] = hands_[s].size();
    const Move chosen = ChooseMove(characters_[seat - 1], view);
    EXPECT_EQ(chosen.draw, made.draw) << "seat " << seat;
    if (!made.draw) {
      EXPECT_EQ(chosen.code, made.code) << "seat " << seat;
    }
    ++checkedChoices;
  }

  std::array<Character, 4> characters_{};
  Roles roles_;
  std::array<Hand, 4> hands_;
  std::vector<int> stock_;
  PileLog log_;
  int pileSuit_ = 0, pileRank_ = 0, printedSuit_ = 0;
  bool over_ = false, twoPending_ = false;
  std::array<int, 4> totals_{};
};

TEST(LogReplay, EveryEventOfARunReplaysOnAFreshTable) {
  SimOptions o;
  o.games = 60;
  o.seed = 11;
  o.threads = 2;
  o.players = {Character::KiOokuman, Character::Agarita, Character::Ukkari, Character::TrickUme};
  std::ostringstream out;
  const RunStats stats = RunGames(o, &out);
  std::istringstream in(out.str());
  Replay replay;
  std::string line;
  while (std::getline(in, line)) {
    replay.Apply(json::parse(line));
    ASSERT_FALSE(::testing::Test::HasFailure()) << line;
  }
  EXPECT_GT(replay.checkedChoices, stats.rounds * 10);
}

TEST(LogReplay, OtherRolesAndRepeatedCharactersReplayToo) {
  SimOptions o;
  o.games = 30;
  o.seed = 5;
  o.threads = 1;
  o.roles = {1, 13, 3};
  o.players = {Character::Neutora, Character::Zunpasky, Character::Zunpasky, Character::KiOokuman};
  std::ostringstream out;
  RunGames(o, &out);
  std::istringstream in(out.str());
  Replay replay;
  for (std::string line; std::getline(in, line);) {
    replay.Apply(json::parse(line));
    ASSERT_FALSE(::testing::Test::HasFailure()) << line;
  }
  EXPECT_GT(replay.plays, 0);
}

}  // namespace
}  // namespace zunpa::sim
