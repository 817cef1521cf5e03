#include "session/decision_log.h"

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
  const bool yes = answer == Answer::Yes;
  switch (question.asked) {
    case Asked::Zunpa:
      return Add(g, m, Question::Zunpa, {yes ? Choice::Kind::Call : Choice::Kind::Pass});
    case Asked::Counter:
      return Add(g, m, Question::Counter, {yes ? Choice::Kind::Call : Choice::Kind::Pass});
    case Asked::PlayTwo: {
      if (!yes) return Add(g, m, Question::DrawTwo, {Choice::Kind::Penalty});
      // With several 2s the one played is named by the offer taken next.
      const CardSet twos = g.round.HandOf(4).Cards() & RankSet(kDrawTwoRank);
      if (CountCards(twos) == 1) Add(g, m, Question::DrawTwo, {Choice::Kind::Play, CodeOfBit(LowestBit(twos))});
      return;
    }
    case Asked::TwoOfSuit:
      if (yes) Add(g, m, Question::DrawTwo, {Choice::Kind::Play, CodeOf(question.suit, kDrawTwoRank)});
      return;
    case Asked::None:
    case Asked::Reset:
      return;
  }
}

void DecisionLog::OnSuit(const Game& g, const TableMemory& m, int suit) {
  Add(g, m, Question::Suit, {Choice::Kind::Suit, 0, suit});
}

}  // namespace zunpa
