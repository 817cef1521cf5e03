// Tables with the random user at seat 4: whole games end, the log is the
// same whatever the threads, and tables without it log no user events.

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "rules/round_state.h"
#include "sim_runner.h"

namespace zunpa::sim {
namespace {

using nlohmann::json;

SimOptions UserTable(int threads) {
  SimOptions o;
  o.games = 150;
  o.seed = 21;
  o.threads = threads;
  o.players = {Character::TrickUme, Character::Zunpasky, Character::Agarita, Character::Agarita};
  o.randomUser = true;
  return o;
}

std::string LogOf(const SimOptions& o, RunStats* stats = nullptr) {
  std::ostringstream out;
  const RunStats s = RunGames(o, &out);
  if (stats) *stats = s;
  return out.str();
}

struct GameCounts {
  int rounds = 0, ends = 0, stalled = 0;
};

std::map<long, GameCounts> CountsPerGame(const std::string& log) {
  std::map<long, GameCounts> games;
  long game = -1;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const json e = json::parse(line);
    const std::string ev = e.at("ev");
    if (ev == "game") game = e.at("game");
    if (ev == "round") ++games[game].rounds;
    if (ev == "end") ++games[game].ends;
    if (ev == "stalled") ++games[game].stalled;
  }
  return games;
}

void ExpectEveryGameWhole(const SimOptions& o, const RunStats& stats, const std::string& log) {
  EXPECT_EQ(stats.games, o.games);
  EXPECT_EQ(stats.rounds, o.games * kRoundsInGame);
  const auto games = CountsPerGame(log);
  ASSERT_EQ(static_cast<long>(games.size()), o.games);
  for (const auto& [game, counts] : games) {
    EXPECT_EQ(counts.rounds, kRoundsInGame) << "game " << game;
    EXPECT_EQ(counts.ends, 1) << "game " << game;
  }
}

TEST(RandomUserTable, EveryGameIsPlayedToItsEnd) {
  const SimOptions o = UserTable(2);
  RunStats stats;
  const std::string log = LogOf(o, &stats);
  ExpectEveryGameWhole(o, stats, log);
  EXPECT_EQ(stats.stalledRounds, 0);
  const SeatStats& user = stats.seats[3];
  EXPECT_EQ(user.rounds, stats.rounds);
  EXPECT_GT(user.outWins, 0) << "the user never went out";
  EXPECT_GT(user.zunpaWins, 0) << "the user never won by a Zunpa";
}

// Rounds cut off at the move cap, the user's moves among them, are dealt
// again until twenty have been played.
TEST(RandomUserTable, GamesEndEvenWhenRoundsStall) {
  SimOptions o = UserTable(1);
  o.games = 20;
  o.maxMoves = 12;
  RunStats stats;
  const std::string log = LogOf(o, &stats);
  ExpectEveryGameWhole(o, stats, log);
  EXPECT_GT(stats.stalledRounds, 0);
}

// Empty when the logs are the same; else their first line that differs. A
// whole-log diff of megabytes would be far too big to print.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::istringstream ina(a), inb(b);
  std::string la, lb;
  for (long line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(ina, la)), moreB = static_cast<bool>(std::getline(inb, lb));
    if (!moreA && !moreB) return "";
    if (moreA != moreB || la != lb) return "line " + std::to_string(line) + ": " + la + " / " + lb;
  }
}

TEST(RandomUserTable, SameBytesWhateverTheThreadsAndOnEveryRun) {
  RunStats one, two, three, again;
  const std::string a = LogOf(UserTable(1), &one);
  const std::string b = LogOf(UserTable(2), &two);
  const std::string c = LogOf(UserTable(3), &three);
  const std::string d = LogOf(UserTable(1), &again);
  EXPECT_NE(a.find("\"ev\":\"ask\""), std::string::npos);
  EXPECT_EQ(FirstDifference(a, b), "");
  EXPECT_EQ(FirstDifference(a, c), "");
  EXPECT_EQ(FirstDifference(a, d), "");
  const auto labels = SeatLabels(UserTable(1));
  EXPECT_EQ(FormatJson(one, labels, 0), FormatJson(two, labels, 0));
  EXPECT_EQ(FormatJson(one, labels, 0), FormatJson(three, labels, 0));
  // Logging changes neither the user's choices nor the games.
  EXPECT_EQ(FormatJson(RunGames(UserTable(2), nullptr), labels, 0), FormatJson(one, labels, 0));
}

TEST(RandomUserTable, AnotherSeedMakesOtherChoices) {
  SimOptions other = UserTable(1);
  other.seed = 22;
  EXPECT_NE(FirstDifference(LogOf(UserTable(1)), LogOf(other)), "");
}

TEST(RandomUserTable, TablesOfCharactersOnlyLogNoUserEvents) {
  SimOptions o = UserTable(2);
  o.randomUser = false;
  const std::string log = LogOf(o);
  EXPECT_EQ(log.find("\"ev\":\"ask\""), std::string::npos);
  EXPECT_EQ(log.find("\"ev\":\"click\""), std::string::npos);
  EXPECT_EQ(log.find("あなた"), std::string::npos);
}

// Where the n-th character of a UTF-8 line begins.
std::size_t ByteOfCharacter(const std::string& line, std::size_t n) {
  std::size_t bytes = 0;
  for (std::size_t chars = 0; chars < n && bytes < line.size(); ++chars)
    do
      ++bytes;
    while (bytes < line.size() && (static_cast<unsigned char>(line[bytes]) & 0xC0) == 0x80);
  return bytes;
}

// The report's columns stay under their headings with the longer label.
TEST(RandomUserTable, TheReportNamesTheUserSeat) {
  const SimOptions o = UserTable(1);
  const std::string table = FormatTable(RunGames(o, nullptr), SeatLabels(o), 1.0);
  std::istringstream in(table);
  std::string header, line;
  std::getline(in, header);
  const std::size_t gamesEnd = header.find("games") + 5;
  int seatRows = 0;
  while (std::getline(in, line) && !line.empty()) {
    ++seatRows;
    // Columns count in characters: the katakana names are three bytes each.
    const std::size_t end = ByteOfCharacter(line, gamesEnd);
    EXPECT_EQ(line.substr(end - 4, 4), " 150") << line;
  }
  EXPECT_EQ(seatRows, 4);
  EXPECT_NE(table.find("4    random (user)"), std::string::npos) << table;
}

}  // namespace
}  // namespace zunpa::sim
