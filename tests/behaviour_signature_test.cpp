// The game's whole conversation with its window, pinned as one number: the
// flow of rounds and moves is about to be rebuilt step by step, and every
// step must leave what the user sees, hears and is asked exactly as it was.
// When a change is meant to alter it, check why, then pin the new value.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ios>

#include "files/data_files.h"
#include "files/temporary_folder.h"
#include "rules/play_observer.h"
#include "signature_host.h"

namespace zunpa::testing {
namespace {

constexpr std::uint64_t kPinnedSignature = 0xb8a35a6193969b97;
constexpr int kGames = 30;
// Enough for a whole game of a user who mostly clicks cards that do not fit.
constexpr int kActionsPerGame = 20000;

class GameCounter : public PlayObserver {
 public:
  void OnRoundEnd(const Game&) override { ++rounds; }
  void OnGameEnd(const Game&) override { ++games; }
  int rounds = 0, games = 0;
};

constexpr std::array<Roles, 3> kRoleTables = {{{11, 8, 10}, {1, 13, 3}, {3, 5, 7}}};

// The settings of game n, so that the games between them cover every speed,
// voices on, off and without their files, each message switch off on its
// own and all of them off, card sounds and detection on and off.
void ChooseSettings(Game& g, int n) {
  Options& o = g.options;
  o.SpeedIndex = n % 4;
  o.Sound = n % 3 != 2;
  g.files.SoundFilesPresent = n % 3 != 1;
  const int messagesOff = n % 6;  // 0 none, 1 all, 2.. one each
  o.MsgAll = messagesOff != 1;
  o.MsgCS = messagesOff != 1 && messagesOff != 2;
  o.MsgNi = messagesOff != 1 && messagesOff != 3;
  o.MsgRev = messagesOff != 1 && messagesOff != 4;
  o.MsgSkip = messagesOff != 1 && messagesOff != 5;
  o.CardSound = n % 5 < 3;
  o.AutoDetect = n % 7 != 3;
  o.SuitAutoDetect = n % 2 == 0;
  g.roles = kRoleTables[(n / 2) % kRoleTables.size()];
}

// One game from the new-game command to its final result; false when the
// user could not bring it to an end.
bool PlayWholeGame(Game& g, SignatureHost& user, const GameCounter& counter) {
  const int gamesBefore = counter.games;
  if (!user.StartGame()) return false;
  for (int actions = 0; counter.games == gamesBefore; ++actions) {
    if (actions == kActionsPerGame || !g.flow.humanInputOpen) return false;
    user.Act();
  }
  return true;
}

TEST(BehaviourSignature, ThirtyWatchedGamesWithARandomUserKeepTheirSignature) {
  TemporaryFolder folder;
  ASSERT_TRUE(folder.isValid());
  SignatureHost user(0x2b992ddfa23249d6ULL, folder.path());
  Session session(user);
  Game& game = session.game();
  GameCounter counter;
  game.observer = &counter;
  game.watching = true;
  game.files.AppDir = folder.path();
  game.files.folder = &DataFiles();
  game.files.today = [] { return std::string("25/03/14"); };
  game.random.Seed(20250314);
  ASSERT_FALSE(game.random.ClockDriven()) << "a clock-driven deal would make every run different";
  user.SitAt(session);

  int ended = 0;
  for (int n = 0; n < kGames; ++n) {
    ChooseSettings(game, n);
    user.Mark(static_cast<std::uint64_t>(n));
    if (PlayWholeGame(game, user, counter)) ++ended;
    user.FiddleBetweenGames();
  }

  EXPECT_EQ(ended, kGames);
  EXPECT_EQ(counter.games, kGames);
  EXPECT_EQ(counter.rounds, kGames * kRoundsInGame);
  EXPECT_GT(user.Calls(), 100000);
  for (int kind = 0; kind < SignatureHost::kCallKinds; ++kind)
    EXPECT_GT(user.CallsOf(static_cast<SignatureHost::Call>(kind)), 0) << "host call kind " << kind << " never made";
  EXPECT_EQ(user.Signature(), kPinnedSignature)
      << "signature 0x" << std::hex << user.Signature() << " after " << std::dec << user.Calls() << " host calls";
}

}  // namespace
}  // namespace zunpa::testing
