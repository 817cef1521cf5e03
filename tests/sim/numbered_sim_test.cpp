// zunpa-sim --number: the run's games are the window's numbered games, so a
// number replays the same deals in either, whoever plays them.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "deal_log.h"
#include "scripted_host.h"
#include "session/session.h"
#include "sim_runner.h"

namespace zunpa::sim {
namespace {

using nlohmann::json;
using testing::DealtRound;

std::string LogOf(const SimOptions& o) {
  std::ostringstream out;
  RunGames(o, &out);
  return out.str();
}

// The deals of game `game` of a run's log, as the window's core records them.
std::vector<DealtRound> DealsInLog(const std::string& log, long game = 0) {
  std::vector<DealtRound> deals;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const json e = json::parse(line);
    if (e.at("ev") != "deal" || e.at("game") != game) continue;
    DealtRound deal{e.at("round"), e.at("starter"), {}};
    for (const json& hand : e.at("hands"))
      for (int code : hand)
        deal.cards.push_back(code);
    for (int code : e.at("stock"))
      deal.cards.push_back(code);
    deals.push_back(deal);
  }
  return deals;
}

SimOptions NumberedRun(std::uint64_t number, long games = 1) {
  SimOptions o;
  o.number = number;
  o.games = games;
  o.threads = 1;
  return o;
}

// A whole game in the window's core, the user at seat 4 playing the first
// card that fits, else drawing, and answering every question Yes or OK.
std::vector<DealtRound> WindowGame(std::uint64_t number) {
  testing::ScriptedHost host;
  host.strict = false;
  host.playerSelections.push_back({{"ﾙ･ﾆｭｰﾄﾗ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ｱｶﾞﾘｰﾀ", "あなた"}, 0});
  Session session(host);
  testing::DealLog log;
  Game& g = session.game();
  g.observer = &log;
  EXPECT_TRUE(session.NewNumberedGame(number));
  session.RunSteps();
  for (int moves = 0; g.flow.humanInputOpen && moves < 20000; ++moves) {
    const RoundState& r = g.round;
    const auto fits = std::find_if(r.HandOf(4).begin(), r.HandOf(4).end(), [&](int code) {
      return SuitOfCode(code) == r.PileSuit || RankOfCode(code) == r.PileRank;
    });
    if (fits != r.HandOf(4).end()) {
      session.ClickCard(SuitOfCode(*fits), RankOfCode(*fits));
    } else {
      session.PressDraw();
    }
    session.RunSteps();
  }
  return log.deals;
}

TEST(NumberedSim, TheWindowsCoreAndTheSimDealOneNumberAlike) {
  constexpr std::uint64_t kNumber = 31415926;
  const std::vector<DealtRound> window = WindowGame(kNumber);
  const std::vector<DealtRound> sim = DealsInLog(LogOf(NumberedRun(kNumber)));
  ASSERT_EQ(window.size(), std::size_t(kRoundsInGame));
  ASSERT_EQ(sim.size(), std::size_t(kRoundsInGame));
  // Round 1 alike to its starter; every later round to its cards, though
  // the winners, and so who begins, are the players' own.
  EXPECT_EQ(window[0], sim[0]);
  EXPECT_EQ(testing::CardsOf(window), testing::CardsOf(sim));
}

TEST(NumberedSim, TheRandomUsersChoicesChangeNoDeal) {
  SimOptions one = NumberedRun(2718281);
  one.randomUser = true;
  SimOptions other = one;
  other.seed = 2;
  const std::string a = LogOf(one), b = LogOf(other);
  EXPECT_NE(a, b) << "the user chose the same whatever the seed";
  const std::vector<DealtRound> dealsA = DealsInLog(a), dealsB = DealsInLog(b);
  ASSERT_EQ(dealsA.size(), std::size_t(kRoundsInGame));
  EXPECT_EQ(testing::CardsOf(dealsA), testing::CardsOf(dealsB));
  EXPECT_EQ(dealsA[0].starter, dealsB[0].starter);
}

TEST(NumberedSim, GameGOfARunIsTheNumberPlusG) {
  const std::string run = LogOf(NumberedRun(500, 3));
  EXPECT_EQ(DealsInLog(run, 2), DealsInLog(LogOf(NumberedRun(502))));
  EXPECT_NE(DealsInLog(run, 0)[0].cards, DealsInLog(run, 1)[0].cards);
  // The same run on two threads is the same bytes.
  SimOptions twoThreads = NumberedRun(500, 3);
  twoThreads.threads = 2;
  EXPECT_EQ(LogOf(twoThreads), run);
}

}  // namespace
}  // namespace zunpa::sim
