#include "analysis/table_memory.h"

#include "rules/game.h"

namespace zunpa {

void TableMemory::OnPlay(const Game&, int seat, int code) {
  SeenMove m;
  m.kind = SeenMove::Kind::Play;
  m.seat = static_cast<unsigned char>(seat);
  m.code = static_cast<short>(code);
  Add(m);
}

void TableMemory::OnDraw(const Game& g, int seat, int, bool penalty, bool afterRound) {
  if (afterRound) return;
  const RoundState& r = g.round;
  SeenMove m;
  m.kind = penalty ? SeenMove::Kind::PenaltyDraw : SeenMove::Kind::Draw;
  m.seat = static_cast<unsigned char>(seat);
  m.pileSuit = static_cast<unsigned char>(r.PileSuit);
  m.pileRank = static_cast<unsigned char>(r.PileRank);
  m.handSize = static_cast<unsigned char>(r.HandOf(seat).size() - 1);
  Add(m);
}

void TableMemory::OnPenalty(const Game&, int seat, int, PenaltyReason reason, int) {
  if (reason != PenaltyReason::DrawTwo) return;
  SeenMove m;
  m.kind = SeenMove::Kind::NoTwo;
  m.seat = static_cast<unsigned char>(seat);
  Add(m);
}

void TableMemory::OnZunpa(const Game&, const ZunpaCall& call) {
  if (!call.passed || count_ == 0 || moves_[static_cast<std::size_t>(count_ - 1)].kind != SeenMove::Kind::Play) return;
  for (int seat : call.callers)
    if (seat >= 1 && seat <= kSeats) moves_[static_cast<std::size_t>(count_ - 1)].passedCallers |= 1u << (seat - 1);
}

ObserverPair::ObserverPair(PlayObserver* first, PlayObserver* second) : first_(first), second_(second) {
  followsMoves = (first && first->followsMoves) || (second && second->followsMoves);
}

#define ZUNPA_BOTH(call)        \
  do {                          \
    if (first_) first_->call;   \
    if (second_) second_->call; \
  } while (false)

void ObserverPair::OnGameStart(const Game& g, bool continued) {
  ZUNPA_BOTH(OnGameStart(g, continued));
}
void ObserverPair::OnDeal(const Game& g) {
  ZUNPA_BOTH(OnDeal(g));
}
void ObserverPair::OnOpen(const Game& g, int code) {
  ZUNPA_BOTH(OnOpen(g, code));
}
void ObserverPair::OnPlay(const Game& g, int seat, int code) {
  ZUNPA_BOTH(OnPlay(g, seat, code));
}
void ObserverPair::OnDraw(const Game& g, int seat, int code, bool penalty, bool afterRound) {
  ZUNPA_BOTH(OnDraw(g, seat, code, penalty, afterRound));
}
void ObserverPair::OnPenalty(const Game& g, int seat, int count, PenaltyReason reason, int card) {
  ZUNPA_BOTH(OnPenalty(g, seat, count, reason, card));
}
void ObserverPair::OnReshuffle(const Game& g) {
  ZUNPA_BOTH(OnReshuffle(g));
}
void ObserverPair::OnRole(const Game& g, int seat, RoleEffect effect) {
  ZUNPA_BOTH(OnRole(g, seat, effect));
}
void ObserverPair::OnDeclare(const Game& g, int seat, int suit) {
  ZUNPA_BOTH(OnDeclare(g, seat, suit));
}
void ObserverPair::OnZunpa(const Game& g, const ZunpaCall& call) {
  ZUNPA_BOTH(OnZunpa(g, call));
}
void ObserverPair::OnRoundScored(const Game& g) {
  ZUNPA_BOTH(OnRoundScored(g));
}
void ObserverPair::OnTotalHalved(const Game& g, int seat, int before) {
  ZUNPA_BOTH(OnTotalHalved(g, seat, before));
}
void ObserverPair::OnTotalDoubled(const Game& g, int seat, int before) {
  ZUNPA_BOTH(OnTotalDoubled(g, seat, before));
}
void ObserverPair::OnRoundEnd(const Game& g) {
  ZUNPA_BOTH(OnRoundEnd(g));
}
void ObserverPair::OnRoundStalled(const Game& g) {
  ZUNPA_BOTH(OnRoundStalled(g));
}
void ObserverPair::OnGameEnd(const Game& g) {
  ZUNPA_BOTH(OnGameEnd(g));
}

#undef ZUNPA_BOTH

}  // namespace zunpa
