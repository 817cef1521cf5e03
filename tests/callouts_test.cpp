#include "flow/turn_cycle.h"
#include "rules/notices.h"
#include "rules/play.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

using CalloutTest = TableTest;

TEST_F(CalloutTest, BalloonsStayUpByTheSpeedSetting) {
  const std::pair<int, double> cases[] = {{0, 0.3}, {1, 0.7}, {2, 1.0}, {3, 1.5}};
  for (const auto& [speed, seconds] : cases) {
    game.options.SpeedIndex = speed;
    SetTable(game, {{{110, 113}, {208, 213}, {301}, {402}}}, 105);
    host.Forget();
    Play(1, 110);
    const auto calls = host.OfKind(Event::Announce);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "スキップ！");
    EXPECT_EQ(calls[0].seconds, seconds);
    EXPECT_TRUE(calls[0].title.empty());  // no voice file: a balloon
  }
}

TEST_F(CalloutTest, VoicesNeedTheSwitchAndEverySoundFile) {
  game.options.Sound = true;
  game.seats.HumanSex = 1;
  SetTable(game, {{{101, 113}, {208, 213}, {301}, {402, 410}}}, 405);
  Play(4, 410);
  const auto calls = host.OfKind(Event::Announce);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, "./skip_n.wav");
  EXPECT_EQ(calls[0].seconds, 0);

  game.files.SoundFilesPresent = false;
  host.Forget();
  SetTable(game, {{{101, 113}, {208, 213}, {301}, {402, 410}}}, 405);
  Play(4, 410);
  EXPECT_TRUE(host.OfKind(Event::Announce)[0].title.empty());
}

// A machine without any audio output: nothing could be heard, so every
// call-out is written and no effect is asked for, though the option stays.
TEST_F(CalloutTest, WithoutSoundOutputCallsAreWrittenAndEffectsSilent) {
  game.options.Sound = true;
  game.files.SoundOutputPresent = false;
  SetTable(game, {{{101, 113}, {208, 213}, {301}, {402, 410}}}, 405);
  Play(4, 410);
  const auto calls = host.OfKind(Event::Announce);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].title.empty());
  EXPECT_EQ(calls[0].seconds, BalloonSeconds(game.options.SpeedIndex));
  PlaySoundFile(game, "agari.wav");
  EXPECT_TRUE(host.Sounds().empty());
  EXPECT_TRUE(game.options.Sound);
}

TEST_F(CalloutTest, EachCharacterSpeaksInItsOwnVoice) {
  game.options.Sound = true;
  game.files.AppDir = "/opt/zunpa/";
  SetCharacters(game, {Character::Zunpasky, Character::KiOokuman, Character::TrickUme});
  SetTable(game, {{{108, 113}, {208, 213}, {308, 312}, {402, 412}}}, 105);
  Play(1, 108);
  Play(3, 308);
  Play(2, 208);
  const auto calls = host.OfKind(Event::Announce);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].title, "/opt/zunpa/rev_m.wav");
  EXPECT_EQ(calls[1].title, "/opt/zunpa/rev_f.wav");
  EXPECT_EQ(calls[2].title, "/opt/zunpa/rev_n.wav");
}

TEST_F(CalloutTest, SoundEffectsAreSilentWithoutVoices) {
  game.options.Sound = false;
  PlaySoundFile(game, "agari.wav");
  EXPECT_TRUE(host.Sounds().empty());
  game.options.Sound = true;
  PlaySoundFile(game, "agari.wav");
  EXPECT_EQ(host.Sounds(), std::vector<std::string>{"agari.wav"});
}

TEST_F(CalloutTest, UserGoingOutHearsTheCheerBeforeTheCall) {
  game.options.Sound = true;
  SetTable(game, {{{101, 113}, {208, 213}, {301, 303}, {410}}}, 405);
  Play(4, 410);
  EXPECT_EQ(host.Sounds(), std::vector<std::string>{"agari2.wav"});
  EXPECT_EQ(host.Callouts().front(), "508@4");
}

TEST_F(CalloutTest, QuestionsUseYesNoAndTheProgramTitle) {
  round.NextStarter = 0;
  round.RoundNo = 4;
  host.answers = {Answer::No};
  RunRoundDriver(game);
  const auto asked = host.OfKind(Event::Message);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "リセットしますか？");
  EXPECT_EQ(asked[0].title, "ズンパＳ");
  EXPECT_EQ(asked[0].buttons, Buttons::YesNo);
  EXPECT_EQ(round.RoundNo, 4);

  host.strict = false;
  host.answers = {Answer::Yes};
  RunRoundDriver(game);
  EXPECT_EQ(host.events[1].text, "リセットしますか？");
  EXPECT_EQ(host.roundResults.empty() ? round.RoundNo : host.roundResults[0].roundNo, 4);
}

}  // namespace
}  // namespace zunpa::testing
