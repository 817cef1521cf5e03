#include "sim_options.h"

#include <gtest/gtest.h>

namespace zunpa::sim {
namespace {

std::string ErrorOf(std::vector<std::string> args) {
  const auto parsed = ParseArguments(args);
  const auto* error = std::get_if<std::string>(&parsed);
  return error ? *error : std::string();
}

TEST(SimOptions, DefaultsAreFourDifferentCharactersAndTheStandardRoles) {
  const SimOptions o = std::get<SimOptions>(ParseArguments({}));
  EXPECT_EQ(o.games, 1000);
  EXPECT_EQ(o.maxMoves, 10000);
  EXPECT_EQ(o.roles, Roles{});
  EXPECT_NE(o.players[0], o.players[1]);
  EXPECT_NE(o.players[2], o.players[3]);
}

TEST(SimOptions, PlayersByNameOrAliasAndRolesAreRead) {
  const SimOptions o = std::get<SimOptions>(
      ParseArguments({"--players", "ｽﾞﾝﾊﾟｽｷｲ,KiOokuman,zunpasky,ukkari", "--roles", "1,13,3", "--games", "5", "--seed",
                      "99", "--threads", "3", "--json", "--max-moves", "500", "--log", "x.jsonl"}));
  EXPECT_EQ(o.players[0], Character::Zunpasky);
  EXPECT_EQ(o.players[1], Character::KiOokuman);
  EXPECT_EQ(o.players[2], Character::Zunpasky);
  EXPECT_EQ(o.players[3], Character::Ukkari);
  EXPECT_EQ(o.roles, (Roles{1, 13, 3}));
  EXPECT_EQ(o.games, 5);
  EXPECT_EQ(o.seed, 99u);
  EXPECT_EQ(o.threads, 3);
  EXPECT_TRUE(o.json);
  EXPECT_EQ(o.maxMoves, 500);
  EXPECT_EQ(o.logPath, "x.jsonl");
}

TEST(SimOptions, BadArgumentsGetOneClearLine) {
  EXPECT_EQ(ErrorOf({"--players", "agarita,ukkari,neutora,nobody"}),
            "zunpa-sim: unknown character 'nobody' (see --help for the names)");
  EXPECT_EQ(ErrorOf({"--players", "agarita,ukkari"}), "zunpa-sim: --players wants four characters, comma-separated");
  EXPECT_EQ(ErrorOf({"--games", "ten"}), "zunpa-sim: --games wants a number from 1 up");
  EXPECT_EQ(ErrorOf({"--games", "0"}), "zunpa-sim: --games wants a number from 1 up");
  EXPECT_EQ(ErrorOf({"--threads", "-1"}), "zunpa-sim: --threads wants a number from 1 to 1024");
  EXPECT_EQ(ErrorOf({"--roles", "11,8,8"}),
            "zunpa-sim: --roles: the ranks must be distinct and never 2 (設定値が重複しています)");
  EXPECT_EQ(ErrorOf({"--roles", "2,8,10"}),
            "zunpa-sim: --roles: the ranks must be distinct and never 2 (2は設定できません)");
  EXPECT_EQ(ErrorOf({"--roles", "11,8,14"}),
            "zunpa-sim: --roles wants three ranks from 1 to 13: suit change, reverse, skip");
  EXPECT_EQ(ErrorOf({"--seed"}), "zunpa-sim: --seed needs a value (see --help)");
  EXPECT_EQ(ErrorOf({"--fast"}), "zunpa-sim: unknown option --fast (see --help)");
  for (const std::string& e : {ErrorOf({"--games", "1e3"}), ErrorOf({"--max-moves", "0"})}) {
    EXPECT_EQ(e.find('\n'), std::string::npos);
    EXPECT_FALSE(e.empty());
  }
}

TEST(SimOptions, RandomAtTheFourthSeatIsTheUser) {
  const SimOptions o = std::get<SimOptions>(ParseArguments({"--players", "neutora,ｷ･ｵｰｸﾏﾝ,neutora,Random"}));
  EXPECT_TRUE(o.randomUser);
  EXPECT_EQ(o.players[0], Character::Neutora);
  EXPECT_EQ(o.players[1], Character::KiOokuman);
  EXPECT_EQ(o.players[2], Character::Neutora);
  const auto labels = SeatLabels(o);
  EXPECT_EQ(labels[1], "ｷ･ｵｰｸﾏﾝ");
  EXPECT_EQ(labels[3], "random (user)");
  // A later --players replaces the whole table.
  const SimOptions later = std::get<SimOptions>(
      ParseArguments({"--players", "agarita,ukkari,neutora,random", "--players", "agarita,ukkari,neutora,ukkari"}));
  EXPECT_FALSE(later.randomUser);
  EXPECT_EQ(SeatLabels(later)[3], "ｳｯｶﾘﾊﾁﾍﾞｴ");
  EXPECT_FALSE(std::get<SimOptions>(ParseArguments({})).randomUser);
}

TEST(SimOptions, RandomElsewhereOrTwiceGetsOneClearLine) {
  const std::string elsewhere = "zunpa-sim: --players: random can only be the 4th player (seat 4 is the user's)";
  const std::string twice = "zunpa-sim: --players: random may sit at one seat only, the 4th (the user's)";
  EXPECT_EQ(ErrorOf({"--players", "random,ukkari,neutora,agarita"}), elsewhere);
  EXPECT_EQ(ErrorOf({"--players", "ukkari,neutora,RANDOM,agarita"}), elsewhere);
  EXPECT_EQ(ErrorOf({"--players", "random,ukkari,neutora,random"}), twice);
  EXPECT_EQ(ErrorOf({"--players", "ukkari,neutora,random,random"}), twice);
  EXPECT_EQ(ErrorOf({"--players", "ukkari,nobody,agarita,random"}),
            "zunpa-sim: unknown character 'nobody' (see --help for the names)");
}

TEST(SimOptions, ANumberPlaysOneGameUnlessToldHowMany) {
  const SimOptions one = std::get<SimOptions>(ParseArguments({"--number", "123456"}));
  EXPECT_EQ(one.number, 123456u);
  EXPECT_EQ(one.games, 1);
  for (const auto& args : {std::vector<std::string>{"--number", "999999999", "--games", "30"},
                           std::vector<std::string>{"--games", "30", "--number", "999999999"}}) {
    const SimOptions many = std::get<SimOptions>(ParseArguments(args));
    EXPECT_EQ(many.number, 999999999u);
    EXPECT_EQ(many.games, 30);
  }
  const SimOptions none = std::get<SimOptions>(ParseArguments({"--seed", "5"}));
  EXPECT_FALSE(none.number);
  EXPECT_EQ(none.games, 1000);
  const std::string range = "zunpa-sim: --number wants a game number from 1 to 999999999";
  for (const char* bad : {"0", "1000000000", "-3", "12a", ""})
    EXPECT_EQ(ErrorOf({"--number", bad}), range) << bad;
  EXPECT_EQ(ErrorOf({"--number"}), "zunpa-sim: --number needs a value (see --help)");
}

TEST(SimOptions, HelpNamesEveryOptionAndCharacter) {
  const std::string help = HelpText();
  for (const char* word : {"--games", "--seed", "--number", "--players", "--roles", "--threads", "--log", "--json",
                           "--max-moves", "ｷ･ｵｰｸﾏﾝ", "kiookuman", "agarita,trickume,zunpasky,kiookuman", "random"})
    EXPECT_NE(help.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace zunpa::sim
