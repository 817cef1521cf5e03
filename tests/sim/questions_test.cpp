// Each question the flow asks the user carries its name, and every reader
// goes by the name alone: the same words without it are a plain notice.

#include "analysis/questions.h"

#include <gtest/gtest.h>

#include <functional>

#include "analysis/playout.h"
#include "flow/draw_two.h"
#include "flow/turn_cycle.h"
#include "flow/zunpa.h"
#include "session/decision_log.h"
#include "table_builder.h"
#include "user_questions.h"

namespace zunpa::testing {
namespace {

// Keeps the decisions of each question as asked and as if it had no name.
class LoggingHost : public ScriptedHost {
 public:
  const Game* game = nullptr;
  TableMemory memory;
  DecisionLog named, unnamed;
  Answer ShowMessage(const Message& m) override {
    const Answer a = ScriptedHost::ShowMessage(m);
    named.OnAnswer(*game, memory, m, a);
    unnamed.OnAnswer(*game, memory, {m.text, m.title, m.buttons, m.icon}, a);
    return a;
  }
};

// Seat `seat` has just put `code` on the pile.
void Played(Game& g, int seat, int code) {
  g.round.HandOf(seat).Remove(code);
  g.round.PileSuit = SuitOfCode(code);
  g.round.PileRank = RankOfCode(code);
  g.round.pileLog.Add(code);
  g.round.CurrentSeat = seat;
}

struct Named {
  Asked asked;
  int suit;
  std::string_view id;
  std::optional<Question> question;
};

struct Asking {
  const char* what;
  std::function<void(Game&)> ask;
  std::deque<Answer> answers;
  std::vector<Named> messages;
  std::vector<Choice> decided;
};

TEST(Questions, EachQuestionNamesItselfAndItsNameAloneCounts) {
  using K = Choice::Kind;
  const std::vector<Asking> table = {
      {"zunpa",
       [](Game& g) {
         SetTable(g, {{{104, 105}, {309, 113}, {202, 203, 204}, {409}}}, 301);
         Played(g, 2, 309);
         CheckZunpa(g);
       },
       {Answer::Yes},
       {{Asked::Zunpa, 0, "zunpa", Question::Zunpa}, {Asked::None, 0, "other", std::nullopt}},
       {{K::Call}}},
      {"counter",
       [](Game& g) {
         SetCharacters(g, {Character::TrickUme, Character::Neutora, Character::KiOokuman});
         SetTable(g, {{{410}, {201, 213}, {301, 313}, {104, 106, 310}}}, 110);
         Played(g, 4, 310);
         CheckZunpa(g);
       },
       {Answer::No},
       {{Asked::Counter, 0, "counter", Question::Counter}},
       {{K::Pass}}},
      {"one 2",
       [](Game& g) {
         SetTable(g, {{{103, 104}, {105, 106}, {107, 109}, {302, 413}}}, 202);
         g.round.DrawPenalty = 2;
         AnswerDrawTwo(g, 3);
       },
       {Answer::Yes},
       {{Asked::PlayTwo, 0, "play_two", Question::DrawTwo}},
       {{K::Play, 302}}},
      {"several 2s",
       [](Game& g) {
         SetTable(g, {{{103, 104}, {105, 106}, {107, 109}, {102, 302, 413}}}, 202);
         g.round.DrawPenalty = 2;
         AnswerDrawTwo(g, 3);
       },
       {Answer::Yes, Answer::No, Answer::No, Answer::Yes},
       {{Asked::PlayTwo, 0, "play_two", Question::DrawTwo},
        {Asked::TwoOfSuit, 1, "which_two", Question::DrawTwo},
        {Asked::TwoOfSuit, 3, "which_two", Question::DrawTwo},
        {Asked::None, 0, "other", std::nullopt},
        {Asked::TwoOfSuit, 1, "which_two", Question::DrawTwo}},
       {{K::Play, 102}}},
      {"reset",
       [](Game& g) {
         g.round.NextStarter = 0;
         RunRoundDriver(g);
       },
       {Answer::No},
       {{Asked::Reset, 0, "reset", std::nullopt}},
       {}},
  };
  for (const Asking& c : table) {
    SCOPED_TRACE(c.what);
    LoggingHost host;
    Game game{host};
    host.game = &game;
    UseStandardTable(game);
    host.answers = c.answers;
    c.ask(game);

    const std::vector<Event> shown = host.OfKind(Event::Message);
    ASSERT_EQ(shown.size(), c.messages.size());
    for (std::size_t k = 0; k < shown.size(); ++k) {
      const Named& n = c.messages[k];
      const Message named{shown[k].text, shown[k].title, shown[k].buttons,
                          shown[k].icon, shown[k].asked, shown[k].suit};
      const Message plain{shown[k].text, shown[k].title, shown[k].buttons, shown[k].icon};
      EXPECT_EQ(named.asked, n.asked) << k;
      EXPECT_EQ(TwoOfferedBy(named), n.suit) << k;
      EXPECT_EQ(sim::QuestionId(named), n.id) << k;
      EXPECT_EQ(QuestionOf(named), n.question) << k;
      EXPECT_EQ(sim::QuestionId(plain), "other") << k;
      EXPECT_FALSE(QuestionOf(plain)) << k;
      EXPECT_EQ(TwoOfferedBy(plain), 0) << k;
      PlayoutHost passing;
      passing.choice = {K::Pass};
      EXPECT_EQ(passing.ShowMessage(named) == Answer::No, n.asked == Asked::Zunpa || n.asked == Asked::Counter) << k;
      EXPECT_NE(passing.ShowMessage(plain), Answer::No) << k;
    }
    std::vector<Choice> decided;
    for (const auto& d : host.named.decisions())
      decided.push_back(d->chosen);
    EXPECT_EQ(decided, c.decided);
    EXPECT_TRUE(host.unnamed.decisions().empty());
  }
}

}  // namespace
}  // namespace zunpa::testing
