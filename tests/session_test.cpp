// The window's one command surface: what it refuses while the game is busy,
// what stays usable, and how a stop from inside any wait ends the chain
// with the files written and nothing run after it.

#include "session/session.h"

#include <random>
#include <sstream>

#include "files/data_files.h"
#include "files/folder_fixture.h"
#include "files/records_file.h"
#include "files/settings_file.h"
#include "rules/play_observer.h"
#include "table_builder.h"

namespace zunpa::testing {
namespace {

// A user at a watched table who answers at random and, from inside every
// call the game makes, runs `meddle`, as a window's handler may.
class MeddlingUser : public ScriptedHost {
 public:
  explicit MeddlingUser(unsigned seed) : rng_(seed) { strict = false; }
  std::function<void()> meddle;
  // How questions are answered when not at random.
  std::function<Answer(const zunpa::Message&)> decide;
  long calls = 0;

  Answer ShowMessage(const zunpa::Message& m) override {
    if (decide) {
      answers.push_back(decide(m));
    } else if (m.buttons == Buttons::YesNo) {
      answers.push_back(rng_() % 2 ? Answer::Yes : Answer::No);
    } else if (m.buttons == Buttons::OkCancel) {
      answers.push_back(rng_() % 4 ? Answer::Ok : Answer::Cancel);
    }
    if (m.buttons == Buttons::Ok) answers.clear();
    const Answer a = ScriptedHost::ShowMessage(m);
    return Inside(a);
  }
  void Pause(double s) override { ScriptedHost::Pause(s), Inside(); }
  void ProcessEvents() override { Inside(); }
  void PlaySound(const std::string& path) override { ScriptedHost::PlaySound(path), Inside(); }
  void Announce(const Announcement& a) override { ScriptedHost::Announce(a), Inside(); }
  void DisplayChanged() override { ScriptedHost::DisplayChanged(), Inside(); }
  bool SelectPlayers(SeatSetup& setup) override {
    playerSelections.push_back({{"ﾄﾘｯｸ･ｳﾒ", "ｷ･ｵｰｸﾏﾝ", "ｽﾞﾝﾊﾟｽｷｲ", "あなた"}, 2});
    return Inside(ScriptedHost::SelectPlayers(setup));
  }
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override {
    suitChoices.push_back({static_cast<int>(rng_() % 4), suggestion.autoDetect});
    return Inside(ScriptedHost::ChooseSuit(suggestion));
  }
  void ShowRoundResult(const zunpa::RoundResult& r) override { ScriptedHost::ShowRoundResult(r), Inside(); }
  void ShowFinalResult(const zunpa::FinalResult& r) override { ScriptedHost::ShowFinalResult(r), Inside(); }
  std::optional<std::string> EnterName(const std::string& message, const std::string& preset) override {
    return Inside(ScriptedHost::EnterName(message, preset));
  }
  void ShowHighScores(HighScoreBoard& board) override { ScriptedHost::ShowHighScores(board), Inside(); }

  // One move of the user: mostly a card of the hand, sometimes the draw.
  void Act(Session& s) {
    const Hand& hand = s.game().round.HandOf(4);
    if (hand.empty() || rng_() % 5 == 0) {
      s.PressDraw();
    } else {
      const int code = hand[static_cast<int>(rng_() % hand.size())];
      s.ClickCard(SuitOfCode(code), RankOfCode(code));
    }
  }
  int Below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

 private:
  template <typename T>
  T Inside(T value) {
    Inside();
    return value;
  }
  void Inside() {
    ++calls;
    if (meddle) meddle();
  }
  std::mt19937 rng_;
};

struct RoundCounter : PlayObserver {
  void OnRoundEnd(const Game&) override { ++rounds; }
  void OnGameEnd(const Game&) override { ++games; }
  int rounds = 0, games = 0;
};

// A watched table in a fresh program folder, driven through the session.
struct Table {
  Table() {
    EXPECT_TRUE(folder.isValid());
    Game& g = session.game();
    g.files.AppDir = folder.path();
    g.files.today = [] { return std::string("26/12/08"); };
    g.random.Seed(4242);
    g.observer = &counter;
    session.StartUp();
  }
  // Plays until `games` games have ended, the session stops or the user
  // has acted `maxActions` times.
  void Play(int games, int maxActions = 20000) {
    for (int actions = 0; counter.games < games && !session.Stopped() && actions < maxActions; ++actions) {
      if (session.game().round.RoundNo == 0) {
        if (session.NewGame()) session.RunSteps();
        continue;
      }
      user.Act(session);
      session.RunSteps();
    }
  }
  std::string File(const char* name) const { return folder.path() + "/" + name; }
  std::string Conversation() const {
    std::ostringstream out;
    for (const Event& e : user.events)
      out << e.kind << '|' << e.text << '|' << e.title << '|' << e.code << '@' << e.speaker << '|' << e.seconds << '\n';
    return out.str();
  }

  TemporaryFolder folder;
  MeddlingUser user{7};
  RoundCounter counter;
  Session session{user, &DataFiles()};
};

class SessionTest : public ::testing::Test {
 protected:
  // A new game whose first moves are the computer seats'.
  void NewGameWithMovesPending() {
    for (std::uint64_t seed = 1; seed < 50; ++seed) {
      session.game().random.Seed(seed);
      ASSERT_TRUE(session.NewGame());
      if (session.Busy()) return;
    }
    FAIL() << "the user began every game";
  }
  Table table;
  Session& session = table.session;
  MeddlingUser& user = table.user;
  std::string File(const char* name) const { return table.File(name); }
};

// The same games with and without a user who tries every game-changing
// command from inside every call: each attempt is refused, and the game
// says, shows and asks exactly the same.
TEST(SessionRefusal, GameChangingCommandsFromInsideAnyCallChangeNothing) {
  std::string conversation[2];
  long attempts = 0;
  for (int meddling = 0; meddling < 2; ++meddling) {
    Table run;
    if (meddling) {
      run.user.meddle = [&] {
        ++attempts;
        const Card any = CardOfNumber(static_cast<int>(attempts % kCardsInPack));
        EXPECT_FALSE(run.session.ClickCard(any.suit, any.rank));
        EXPECT_FALSE(run.session.PressDraw());
        EXPECT_FALSE(run.session.NewGame());
        EXPECT_FALSE(run.session.Save());
        EXPECT_FALSE(run.session.Continue());
        EXPECT_TRUE(run.session.Busy());
      };
    }
    run.Play(2);
    EXPECT_EQ(run.counter.games, 2);
    conversation[meddling] = run.Conversation();
  }
  EXPECT_GT(attempts, 10000);
  EXPECT_EQ(conversation[0], conversation[1]);
}

TEST_F(SessionTest, BetweenStepsTheHighScoresOpenAndNewRolesApplyAtOnce) {
  NewGameWithMovesPending();
  EXPECT_FALSE(session.Save());
  session.ShowHighScores();
  EXPECT_EQ(user.OfKind(Event::HighScores).size(), 1u);
  session.SetRoles({1, 13, 3});
  EXPECT_EQ(session.game().roles, (Roles{1, 13, 3}));
}

TEST_F(SessionTest, NewRolesDuringAStepWaitForItsEnd) {
  NewGameWithMovesPending();
  const Roles before = session.game().roles;
  std::vector<Roles> seen;
  user.meddle = [&] {
    if (seen.empty()) session.SetRoles({3, 5, 7});
    seen.push_back(session.game().roles);
  };
  session.RunStep();
  ASSERT_GT(seen.size(), 1u);
  for (const Roles& r : seen)
    EXPECT_EQ(r, before);
  EXPECT_EQ(session.game().roles, (Roles{3, 5, 7}));
}

TEST_F(SessionTest, TheWindowHearsWhenTheGameTurnsBusyAndWhenItWaitsForTheUser) {
  std::vector<bool> heard;
  session.OnBusyChanged([&](bool busy) { heard.push_back(busy); });
  ASSERT_TRUE(session.NewGame());
  session.RunSteps();
  ASSERT_FALSE(heard.empty());
  EXPECT_TRUE(heard.front());
  EXPECT_FALSE(heard.back());
  for (std::size_t i = 1; i < heard.size(); ++i)
    EXPECT_NE(heard[i], heard[i - 1]);
  EXPECT_FALSE(session.Busy());
  EXPECT_TRUE(session.game().flow.humanInputOpen);
}

// A stop at the k-th call of the game, for many k: the chain ends there,
// not one call more is made, the files hold every settled round and no
// round in progress, and nothing runs after it.
TEST(SessionStop, AStopFromInsideAnyCallEndsTheChainWithTheFilesWritten) {
  int pending = 0, ended = 0;
  for (long k = 1; k < 6000; k += 97) {
    SCOPED_TRACE("stop at call " + std::to_string(k));
    Table run;
    run.user.calls = 0;  // from the first call after start-up
    long callsAtStop = -1;
    std::optional<StopOutcome> heard;
    run.session.OnStopped([&](StopOutcome o) { heard = o; });
    run.user.meddle = [&] {
      if (run.user.calls != k) return;
      callsAtStop = run.user.calls;
      const StopOutcome outcome = run.session.Stop();
      (outcome == StopOutcome::Pending ? pending : ended)++;
    };
    run.Play(1);
    ASSERT_EQ(callsAtStop, k) << "the game made fewer calls";
    EXPECT_TRUE(run.session.Stopped());
    EXPECT_EQ(run.user.calls, callsAtStop) << "a call after the stop";
    if (heard) {
      EXPECT_EQ(*heard, StopOutcome::Ended);
    }

    const RecordsRead records = ParseRecords(ReadBytes(run.File("Save.txt")));
    EXPECT_FALSE(records.fault);
    EXPECT_EQ(records.records.table, run.session.game().records.table);
    long roundsRecorded = 0;
    for (int slot = 0; slot < kRecordSlots; ++slot)
      roundsRecorded += records.records.Get(slot, RecRounds);
    EXPECT_EQ(roundsRecorded, 4L * run.counter.rounds) << "a round in progress was recorded";
    EXPECT_FALSE(ParseSettings(ReadBytes(run.File("zunpas.ini")), Settings{}).fault);

    EXPECT_EQ(run.session.NextStep().kind, StepKind::None);
    EXPECT_FALSE(run.session.Busy());
    EXPECT_FALSE(run.session.NewGame());
    EXPECT_EQ(run.session.Stop(), StopOutcome::Ended);
  }
  EXPECT_GT(pending, 10) << "stops inside a step";
  EXPECT_GT(ended, 3) << "stops between steps";
}

TEST_F(SessionTest, AStopInsideTheQuestionOfWhichTwoEndsItsLoop) {
  Game& g = session.game();
  UseStandardTable(g);
  SetTable(g, {{{101, 113}, {201, 213}, {302, 313}, {202, 402, 405}}}, 305);
  g.round.RoundNo = 3;
  g.round.DrawPenalty = 2;
  g.round.CurrentSeat = 3;
  PassTurn(g);
  ASSERT_EQ(session.NextStep().kind, StepKind::DrawTwoQuestion);
  int offers = 0;
  user.meddle = [&] {
    const Event& last = user.events.back();
    if (last.kind != Event::Message || last.text.find("の２を出しますか？") == std::string::npos) return;
    if (++offers == 7) session.Stop();
    if (offers > 100) throw std::runtime_error("the question of which 2 never ends");
  };
  // A person who wants to play a 2 but turns down every one of them.
  user.decide = [](const zunpa::Message& m) {
    return m.text.find("の２を出しますか？") == std::string::npos ? Answer::Yes : Answer::No;
  };
  session.RunStep();
  EXPECT_EQ(offers, 7);
  EXPECT_TRUE(session.Stopped());
  EXPECT_TRUE(Exists(File("Save.txt")));
}

TEST_F(SessionTest, AStopThatCannotWriteAsksAndTheUserMayStayWithTheGameAsItWas) {
  table.Play(0, 0);
  ASSERT_TRUE(session.NewGame());
  session.RunSteps();
  session.game().files.AppDir += "/gone";  // nothing can be written any more
  user.decide = [](const zunpa::Message&) { return Answer::No; };
  const auto messagesBefore = user.OfKind(Event::Message).size();
  EXPECT_EQ(session.Stop(), StopOutcome::Stays);
  const auto messages = user.OfKind(Event::Message);
  ASSERT_EQ(messages.size(), messagesBefore + 1);
  EXPECT_EQ(messages.back().text, "ファイルにデータを書き込みできませんでした。\nこのまま終了しますか？");
  EXPECT_FALSE(session.Stopped());
  EXPECT_TRUE(session.game().flow.humanInputOpen);
  EXPECT_GT(session.game().round.RoundNo, 0);
  user.decide = nullptr;
  table.Play(1, 30);  // and play goes on
  EXPECT_FALSE(session.Stopped());
}

TEST_F(SessionTest, AStopCutShortInsideAStepLeavesNoHalfMadeMoveToGoBackTo) {
  ASSERT_TRUE(session.NewGame());
  session.game().files.AppDir += "/gone";
  std::optional<StopOutcome> heard;
  session.OnStopped([&](StopOutcome o) { heard = o; });
  bool stopped = false;
  user.meddle = [&] {
    if (stopped || user.events.empty() || user.events.back().kind != Event::Announce) return;
    stopped = true;
    user.decide = [](const zunpa::Message&) { return Answer::No; };
    EXPECT_EQ(session.Stop(), StopOutcome::Pending);
  };
  table.Play(1, 2000);
  ASSERT_TRUE(stopped) << "no call-out came";
  ASSERT_TRUE(heard);
  EXPECT_EQ(*heard, StopOutcome::Stays);
  const Game& g = session.game();
  EXPECT_EQ(g.round.RoundNo, 0) << "the cut game was not left in play";
  EXPECT_EQ(session.NextStep().kind, StepKind::None);
  EXPECT_FALSE(g.flow.humanInputOpen);
  EXPECT_FALSE(g.display.saveEnabled);
  user.meddle = nullptr;
  user.decide = nullptr;
  EXPECT_TRUE(session.NewGame()) << "a new game can begin";
}

}  // namespace
}  // namespace zunpa::testing
