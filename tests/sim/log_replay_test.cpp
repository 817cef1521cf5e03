// Reads a run's log back and replays it on a fresh table: every deal is a
// whole pack, every play is legal and is the move the seat's character
// chooses, every draw takes the top of the stock, every call adds up, and
// the totals follow from the round points. A random user's questions are
// the ones its table state calls for, and each answer leads to its move.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
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
    if (asked_) FollowAnswer(ev, e);
    if (ev == "ask") return Ask(e);
    if (ev == "click") return RefusedClick(e.at("seat"), e.at("card"));
    refusedInARow_ = 0;
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
  long events = 0, plays = 0, checkedChoices = 0, userPlays = 0, refusedClicks = 0;
  // How often each question got each answer, as "q answer".
  std::map<std::string, long> answers;

 private:
  struct Asked {
    std::string q, answer;
  };

  void Game(const json& e) {
    EXPECT_FALSE(asked_) << "a question at the end of a game led to nothing";
    for (int s = 0; s < 4; ++s) {
      characters_[s] = CharacterNamed(e.at("players")[s].get<std::string>());
      EXPECT_TRUE(characters_[s] || s == 3) << "only seat 4 may be the user";
    }
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
    lastPlayer_ = 0;
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
    EXPECT_TRUE(Fits(card)) << card << " on " << pileSuit_ << "/" << pileRank_;
    if (IsUser(seat)) {
      ++userPlays;
      // On a pending 2 the user's only play is a 2 of its own.
      if (twoPending_) {
        EXPECT_EQ(RankOfCode(card), 2) << "the user played " << card << " on a pending 2";
      }
    } else if (!twoPending_) {
      ExpectChoice(seat, Move{false, card});
    }
    lastPlayer_ = seat;
    hand.Remove(card);
    Top(card);
    log_.Add(card);
    twoPending_ = RankOfCode(card) == 2;
    if (hand.empty()) over_ = true;  // went out
  }
  void Draw(int seat, int card, bool penalty, bool afterRound) {
    EXPECT_EQ(afterRound, over_);
    if (!penalty && !over_ && !IsUser(seat)) ExpectChoice(seat, Move{true, 0});
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
  bool IsUser(int seat) const { return !characters_[seat - 1]; }
  bool Fits(int card) const { return SuitOfCode(card) == pileSuit_ || RankOfCode(card) == pileRank_; }
  bool UserHoldsATwo() const {
    return std::any_of(hands_[3].begin(), hands_[3].end(), [](int code) { return RankOfCode(code) == 2; });
  }

  // Only a card that does not fit is refused, and only the user clicks.
  void RefusedClick(int seat, int card) {
    ++refusedClicks;
    EXPECT_TRUE(IsUser(seat)) << "seat " << seat;
    EXPECT_TRUE(hands_[seat - 1].Contains(card)) << "the user clicked " << card << " without holding it";
    EXPECT_FALSE(Fits(card)) << "a click on " << card << " that fits was refused";
    // The user gives up and draws before a fourth refusal: a turn ends.
    EXPECT_LE(++refusedInARow_, 3);
  }

  // Each question is the one the table calls for at that moment.
  void Ask(const json& e) {
    const std::string q = e.at("q"), answer = e.at("answer");
    ++answers[q + " " + answer];
    EXPECT_TRUE(IsUser(e.at("seat"))) << "a computer seat was asked";
    const bool yesNo = answer == "yes" || answer == "no";
    if (q == "players") {
      EXPECT_EQ(answer, "ok");
    } else if (q == "zunpa") {
      EXPECT_TRUE(yesNo);
      EXPECT_NE(lastPlayer_, 4);
      EXPECT_EQ(hands_[3].Total(), pileRank_) << "offered a Zunpa the hand does not add up to";
    } else if (q == "counter") {
      EXPECT_TRUE(yesNo);
      EXPECT_EQ(lastPlayer_, 4);
      EXPECT_EQ(hands_[3].Total(), pileRank_) << "offered a counter the hand does not add up to";
    } else if (q == "play_two" || q == "which_two") {
      EXPECT_TRUE(yesNo);
      EXPECT_TRUE(twoPending_) << q << " without a 2 on the pile";
      EXPECT_TRUE(UserHoldsATwo()) << q << " without a 2 in the hand";
    } else if (q == "suit") {
      EXPECT_TRUE(answer == "spade" || answer == "heart" || answer == "club" || answer == "diamond") << answer;
      EXPECT_EQ(lastPlayer_, 4);
      EXPECT_EQ(pileRank_, roles_.SuitChangeRank);
    } else {
      ADD_FAILURE() << "unknown question " << q;
    }
    asked_ = Asked{q, answer};
  }

  // The event right after an answer is the move the answer leads to (a
  // rebuilt stock may come before a draw).
  void FollowAnswer(const std::string& ev, const json& e) {
    const Asked asked = *asked_;
    asked_.reset();
    const bool yes = asked.answer == "yes";
    const auto userPlaysATwo = [&] { return ev == "play" && e.at("seat") == 4 && RankOfCode(e.at("card")) == 2; };
    const std::string what = asked.q + " " + asked.answer + " then " + e.dump();
    if (asked.q == "players") {
      EXPECT_EQ(ev, "deal") << what;
    } else if (asked.q == "zunpa" || asked.q == "counter") {
      ASSERT_EQ(ev, "zunpa") << what;
      const auto callers = e.at("callers").get<std::vector<int>>();
      const bool passed = e.at("passed");
      if (asked.q == "zunpa") {
        EXPECT_NE(std::find(callers.begin(), callers.end(), 4), callers.end()) << what;
        // Declined, the user's call lapses; the others' may stand.
        EXPECT_TRUE(yes ? !passed : passed || e.at("winner") != 4) << what;
      } else {
        EXPECT_FALSE(passed) << what;
        EXPECT_EQ(e.at("countered").get<bool>(), yes) << what;
        if (yes) {
          EXPECT_EQ(e.at("winner"), 4) << what;
        }
      }
    } else if (asked.q == "play_two") {
      if (yes) {
        EXPECT_TRUE(userPlaysATwo() || (ev == "ask" && e.at("q") == "which_two")) << what;
      } else if (ev == "reshuffle") {
        asked_ = asked;
      } else {
        EXPECT_TRUE(ev == "draw" && e.at("seat") == 4 && e.at("penalty") == true) << what;
      }
    } else if (asked.q == "which_two") {
      EXPECT_TRUE(yes ? userPlaysATwo() : (ev == "ask" && e.at("q") == "which_two")) << what;
    } else if (asked.q == "suit") {
      constexpr std::array<std::string_view, 4> kSuits = {"spade", "heart", "club", "diamond"};
      const auto suit = std::find(kSuits.begin(), kSuits.end(), asked.answer) - kSuits.begin() + 1;
      EXPECT_TRUE(ev == "declare" && e.at("seat") == 4 && e.at("suit") == suit) << what;
    }
  }

  void Top(int card) {
    pileSuit_ = printedSuit_ = SuitOfCode(card);
    pileRank_ = RankOfCode(card);
  }
  // The move the seat made is the one its character makes on this table.
  void ExpectChoice(int seat, Move made) {
    const SeatView view{seat, hands_[seat - 1], pileSuit_, pileRank_, log_, 0, roles_};
    const Move chosen = ChooseMove(*characters_[seat - 1], view);
    EXPECT_EQ(chosen.draw, made.draw) << "seat " << seat;
    if (!made.draw) {
      EXPECT_EQ(chosen.code, made.code) << "seat " << seat;
    }
    ++checkedChoices;
  }

  std::array<std::optional<Character>, 4> characters_{};
  std::optional<Asked> asked_;
  int lastPlayer_ = 0, refusedInARow_ = 0;
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

// With the random user at seat 4 the computer seats are still held to
// their characters; the user's moves only to the rules.
TEST(LogReplay, ATableWithTheRandomUserReplaysToo) {
  SimOptions o;
  o.games = 300;
  o.seed = 11;
  o.threads = 2;
  o.players = {Character::KiOokuman, Character::Ukkari, Character::Neutora, Character::Agarita};
  o.randomUser = true;
  std::ostringstream out;
  const RunStats stats = RunGames(o, &out);
  std::istringstream in(out.str());
  Replay replay;
  for (std::string line; std::getline(in, line);) {
    replay.Apply(json::parse(line));
    ASSERT_FALSE(::testing::Test::HasFailure()) << line;
  }
  EXPECT_GT(replay.checkedChoices, stats.rounds * 5);
  EXPECT_GT(replay.userPlays, stats.rounds);
  EXPECT_GT(replay.refusedClicks, 0);
  for (const char* answer :
       {"players ok", "zunpa yes", "zunpa no", "counter yes", "counter no", "play_two yes", "play_two no",
        "which_two yes", "which_two no", "suit spade", "suit heart", "suit club", "suit diamond"})
    EXPECT_GT(replay.answers[answer], 0) << answer;
}

// 読み at seat 4 makes only moves the rules take, and plays the same
// whatever the number of threads.
TEST(LogReplay, ATableWithYomiReplaysAndRepeats) {
  SimOptions o;
  o.games = 6;
  o.seed = 3;
  o.players = {Character::Agarita, Character::TrickUme, Character::KiOokuman, Character::KiOokuman};
  o.yomiUser = true;
  o.yomiSamples = 8;
  std::string logs[2];
  for (int threads : {1, 2}) {
    o.threads = threads;
    std::ostringstream out;
    RunGames(o, &out);
    logs[threads - 1] = out.str();
  }
  EXPECT_EQ(logs[0], logs[1]);
  std::istringstream in(logs[0]);
  Replay replay;
  for (std::string line; std::getline(in, line);) {
    replay.Apply(json::parse(line));
    ASSERT_FALSE(::testing::Test::HasFailure()) << line;
  }
  EXPECT_GT(replay.userPlays, 60);
  EXPECT_EQ(replay.refusedClicks, 0);
}

}  // namespace
}  // namespace zunpa::sim
