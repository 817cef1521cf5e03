#include "analysis/playout.h"

#include "flow/declare_suit.h"
#include "flow/play_card.h"
#include "flow/turn_cycle.h"
#include "rules/draw.h"

namespace zunpa {
namespace {

constexpr int kUser = 4;
// Deals tried for one sample before the readings are given up on.
constexpr int kDealTries = 64;
// A playout that runs this many moves past the choice is scored as it stands.
constexpr int kMovesPerPlayout = 600;

}  // namespace

Answer PlayoutHost::ShowMessage(const Message& m) {
  const bool calling = m.asked == Asked::Zunpa || m.asked == Asked::Counter;
  if (calling && choice.kind == Choice::Kind::Pass) return Answer::No;
  return SilentHost::ShowMessage(m);
}

bool DealUnseen(const SeatKnowledge& k, RandomSource& random, UnseenDeal& deal) {
  std::array<Card, kCardsInPack> pool{};
  int n = 0;
  for (CardSet rest = k.unseen; rest != 0; rest &= rest - 1)
    pool[static_cast<std::size_t>(n++)] = CardOfCode(CodeOfBit(LowestBit(rest)));
  for (int attempt = 0; attempt < kDealTries; ++attempt) {
    for (int i = n - 1; i > 0; --i)
      std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(random.Below(i + 1))]);
    int next = 0;
    bool fits = true;
    for (std::size_t s = 0; s < deal.hands.size(); ++s) {
      const HandReading& reading = k.others[s];
      if (reading.opened) {
        deal.hands[s] = reading.known;
        continue;
      }
      CardSet hand = 0;
      for (int c = 0; c < reading.size && next < n; ++c)
        hand |= SetOfCard(pool[static_cast<std::size_t>(next++)]);
      deal.hands[s] = hand;
      fits = fits && reading.Fits(hand);
    }
    deal.stockCount = 0;
    while (next < n && deal.stockCount < k.stockCount)
      deal.stock[static_cast<std::size_t>(deal.stockCount++)] = pool[static_cast<std::size_t>(next++)];
    if (fits) return true;
  }
  return false;
}

PlayoutTable::PlayoutTable(const YomiSettings& settings) : settings_(settings), table_(host_) {
  table_.watching = false;
  table_.flow.checkInvariants = false;
}

PlayoutTable& PlayoutTable::OfThisThread(const YomiSettings& settings) {
  thread_local PlayoutTable table(settings);
  table.settings_ = settings;
  return table;
}

void PlayoutTable::CopyRuleState(const YomiInput& in, const UnseenDeal& deal) {
  table_.roles = in.roles;
  table_.options = in.options;
  table_.seats.character = in.characters;
  table_.seats.character[kUser - 1].reset();
  table_.round = in.round;
  table_.scores = in.scores;
  table_.flow = FlowState{};
  table_.flow.pendingSeat = in.pendingSeat;
  table_.flow.pendingBySkip = in.pendingBySkip;
  table_.flow.humanInputOpen = in.humanInputOpen;
  table_.flow.penaltyDrawing = in.penaltyDrawing;
  table_.flow.movesThisRound = in.movesThisRound;
  table_.flow.checkInvariants = false;
  table_.flow.maxMovesPerRound = in.movesThisRound + kMovesPerPlayout;
  RoundState& r = table_.round;
  for (int seat = 1; seat < kUser; ++seat)
    r.HandOf(seat).Assign(deal.hands[static_cast<std::size_t>(seat - 1)]);
  r.stock.Deck = {};
  for (int i = 0; i < deal.stockCount; ++i)
    r.stock.Deck[static_cast<std::size_t>(i)] = deal.stock[static_cast<std::size_t>(i)];
  r.stock.StockCount = deal.stockCount;
  r.DrawnSuit = r.DrawnRank = 0;
}

void PlayoutTable::MakeChoice(Question q, const Choice& choice) {
  RoundState& r = table_.round;
  host_.choice = choice;
  table_.flow.humanInputOpen = false;
  table_.flow.pendingSeat = 0;
  switch (choice.kind) {
    case Choice::Kind::Play:
      r.SelSuit = SuitOfCode(choice.code);
      r.SelRank = RankOfCode(choice.code);
      r.CurrentSeat = kUser;
      PlayCard(table_);
      return;
    case Choice::Kind::Draw:
      r.CurrentSeat = kUser;
      DrawCard(table_, kUser - 1);
      if (!r.RoundOver() && r.DrawPenalty == 0) PassTurn(table_);
      return;
    case Choice::Kind::Penalty:
      TakePenalty(table_, kUser - 1);
      r.CurrentSeat = kUser;
      PassTurn(table_);
      return;
    case Choice::Kind::Call:
    case Choice::Kind::Pass:
      // The call is weighed from the moment the card reached the pile.
      r.ZunpaSeat1 = r.ZunpaSeat2 = r.ZunpaSeat3 = 0;
      r.CounteredSeat1 = r.CounteredSeat2 = 0;
      r.ZunpaKind = 0;
      r.Countered = false;
      FinishPlay(table_);
      return;
    case Choice::Kind::Suit:
      SetDeclaredSuit(table_, kUser, choice.suit);
      r.CurrentSeat = kUser;
      PassTurn(table_);
      return;
  }
  (void)q;
}

void PlayoutTable::PlayToRoundEnd() {
  table_.seats.character[kUser - 1] = settings_.userPolicy;
  while (!table_.round.RoundOver()) {
    const Step step = NextStep(table_);
    if (step.kind != StepKind::ComputerMove) return;
    RunStep(table_);
  }
}

double PlayoutTable::Score(const Scores& before) const {
  const auto change = [&](int seat) {
    const auto s = static_cast<std::size_t>(seat - 1);
    return double(table_.scores.TotalPoints[s] - before.TotalPoints[s]);
  };
  const double own = -change(kUser);
  if (settings_.measure == Measure::OwnTotal) return own;
  return own + (change(1) + change(2) + change(3)) / 3;
}

double PlayoutTable::Worth(const YomiInput& in, const UnseenDeal& deal, Question q, const Choice& choice,
                           std::uint64_t seed) {
  CopyRuleState(in, deal);
  table_.random.Seed(seed);
  MakeChoice(q, choice);
  PlayToRoundEnd();
  return Score(in.scores);
}

}  // namespace zunpa
