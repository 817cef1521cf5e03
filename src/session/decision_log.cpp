#include "session/decision_log.h"

#include "analysis/questions.h"

namespace zunpa {

void DecisionLog::Add(const Game& g, const TableMemory& m, Question q, const Choice& c) {
  if (keeping_) Keep(MakeYomiInput(g, m), q, c);
}

void DecisionLog::Keep(const YomiInput& in, Question q, const Choice& c) {
  auto d = std::make_shared<UserDecision>(in, q);
  d->chosen = c;
  decisions_.push_back(std::move(d));
}

void DecisionLog::OnMove(const Game& g, const TableMemory& m, const Choice& c) {
  if (!keeping_) return;
  const YomiInput in = MakeYomiInput(g, m);
  std::array<Choice, Advice::kMost> open{};
  const int n = ChoicesAt(in, Question::Move, open);
  for (int k = 0; k < n; ++k)
    if (open[static_cast<std::size_t>(k)] == c) return Keep(in, Question::Move, c);
}

void DecisionLog::OnAnswer(const Game& g, const TableMemory& m, const Message& question, Answer answer) {
  const std::optional<Question> q = QuestionOf(question);
  if (!q) return;
  const bool yes = answer == Answer::Yes;
  if (*q == Question::Zunpa || *q == Question::Counter)
    return Add(g, m, *q, {yes ? Choice::Kind::Call : Choice::Kind::Pass});
  const CardSet twos = g.round.HandOf(4).Cards() & RankSet(kDrawTwoRank);
  if (const int suit = TwoOfferedBy(question)) {
    if (pendingTwo_ && yes) {
      pendingTwo_ = false;
      Add(g, m, Question::DrawTwo, {Choice::Kind::Play, CodeOf(suit, kDrawTwoRank)});
    }
    return;
  }
  if (!yes) return Add(g, m, Question::DrawTwo, {Choice::Kind::Penalty});
  if (CountCards(twos) == 1) return Add(g, m, Question::DrawTwo, {Choice::Kind::Play, CodeOfBit(LowestBit(twos))});
  pendingTwo_ = true;
}

void DecisionLog::OnSuit(const Game& g, const TableMemory& m, int suit) {
  Add(g, m, Question::Suit, {Choice::Kind::Suit, 0, suit});
}

}  // namespace zunpa
