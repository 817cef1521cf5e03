#include "analysis/yomi.h"

#include "analysis/playout.h"
#include "analysis/seat_knowledge.h"
#include "analysis/yomi_input.h"
#include "rules/random_source.h"

namespace zunpa {
namespace {

constexpr int kUser = 4;

void Add(std::array<Choice, Advice::kMost>& out, int& n, const Choice& c) {
  if (n < Advice::kMost) out[static_cast<std::size_t>(n++)] = c;
}

bool UsersCall(const RoundState& r) {
  return r.ZunpaSeat1 == kUser || r.ZunpaSeat2 == kUser || r.ZunpaSeat3 == kUser;
}

}  // namespace

const ChoiceWorth* Advice::Find(const Choice& c) const {
  for (int k = 0; k < count; ++k)
    if (worths[static_cast<std::size_t>(k)].choice == c) return &worths[static_cast<std::size_t>(k)];
  return nullptr;
}

int ChoicesAt(const YomiInput& in, Question q, std::array<Choice, Advice::kMost>& out) {
  const RoundState& r = in.round;
  // A call under way already marks the round as decided.
  if (!in.HumanPlays() || r.RoundNo < 1 || r.OutSeat != 0) return 0;
  if (r.ZunpaSeat1 != 0 && q != Question::Zunpa && q != Question::Counter) return 0;
  const Hand& hand = r.HandOf(kUser);
  int n = 0;
  switch (q) {
    case Question::Move:
      if (!in.humanInputOpen) return 0;
      for (CardSet fits = hand.Cards() & (SuitSet(r.PileSuit) | RankSet(r.PileRank)); fits != 0; fits &= fits - 1)
        Add(out, n, {Choice::Kind::Play, CodeOfBit(LowestBit(fits))});
      Add(out, n, {Choice::Kind::Draw});
      break;
    case Question::DrawTwo:
      if (r.DrawPenalty == 0) return 0;
      for (CardSet twos = hand.Cards() & RankSet(kDrawTwoRank); twos != 0; twos &= twos - 1)
        Add(out, n, {Choice::Kind::Play, CodeOfBit(LowestBit(twos))});
      Add(out, n, {Choice::Kind::Penalty});
      break;
    case Question::Zunpa:
      if (!UsersCall(r) || r.ZunpaKind != 0) return 0;
      Add(out, n, {Choice::Kind::Call});
      Add(out, n, {Choice::Kind::Pass});
      break;
    case Question::Counter:
      if (r.CurrentSeat != kUser || r.ZunpaKind == 0 || !r.Countered) return 0;
      Add(out, n, {Choice::Kind::Call});
      Add(out, n, {Choice::Kind::Pass});
      break;
    case Question::Suit:
      if (r.PileRank != in.roles.SuitChangeRank || r.CurrentSeat != kUser) return 0;
      for (int suit = 0; suit < 4; ++suit)
        Add(out, n, {Choice::Kind::Suit, 0, suit});
      break;
  }
  return n;
}

// Every choice is played out on the same deals, with the same randomness
// after them: the differences between choices are then the choices' own.
Advice Analyse(const YomiInput& in, Question q, const YomiSettings& settings, std::uint64_t seed,
               const std::atomic<bool>* cancel) {
  Advice advice;
  std::array<Choice, Advice::kMost> choices{};
  advice.count = ChoicesAt(in, q, choices);
  for (int k = 0; k < advice.count; ++k)
    advice.worths[static_cast<std::size_t>(k)].choice = choices[static_cast<std::size_t>(k)];
  if (advice.count == 0) return advice;
  advice.best = 0;
  if (advice.count == 1) return advice;

  const SeatKnowledge knowledge = KnowledgeOfUser(in, settings.readCharacters);
  PlayoutTable& table = PlayoutTable::OfThisThread(settings);
  RandomSource dealing(DeriveSeed(seed, 0x6465616c));
  UnseenDeal deal;
  std::array<double, Advice::kMost> sum{};
  for (int sample = 0; sample < settings.samples; ++sample) {
    if (cancel && cancel->load(std::memory_order_relaxed)) {
      advice.cancelled = true;
      break;
    }
    DealUnseen(knowledge, dealing, deal);
    const std::uint64_t playoutSeed = DeriveSeed(seed, static_cast<std::uint64_t>(sample) + 1);
    for (int k = 0; k < advice.count; ++k)
      sum[static_cast<std::size_t>(k)] += table.Worth(in, deal, q, choices[static_cast<std::size_t>(k)], playoutSeed);
    ++advice.samples;
  }
  if (advice.samples == 0) return advice;
  for (int k = 0; k < advice.count; ++k) {
    ChoiceWorth& w = advice.worths[static_cast<std::size_t>(k)];
    w.points = sum[static_cast<std::size_t>(k)] / advice.samples;
    if (w.points > advice.worths[static_cast<std::size_t>(advice.best)].points) advice.best = k;
  }
  return advice;
}

}  // namespace zunpa
