#include "flow/play_card.h"

#include "flow/declare_suit.h"
#include "flow/settlement.h"
#include "flow/turn_cycle.h"
#include "flow/zunpa.h"
#include "rules/notices.h"
#include "rules/play.h"
#include "rules/play_observer.h"
#include "rules/table_display.h"

namespace zunpa {

void PlayCard(Game& g) {
  RoundState& r = g.round;
  const int seat = r.CurrentSeat;
  const bool human = g.seats.IsHuman(seat);
  if (human) LockHumanInput(g);
  if (r.SelSuit != r.PileSuit && r.SelRank != r.PileRank) {
    r.SelSuit = r.SelRank = 99;
    if (human) UnlockHumanInput(g);
    return;
  }
  MoveCardToPile(g);
  ++g.flow.movesThisRound;
  if (g.observer && g.observer->followsMoves) g.observer->OnPlay(g, seat, CodeOf(r.PileSuit, r.PileRank));
  FinishPlay(g);
}

void FinishPlay(Game& g) {
  RoundState& r = g.round;
  const int seat = r.CurrentSeat;
  const bool human = g.seats.IsHuman(seat);
  CheckZunpa(g);
  if (r.ZunpaKind != 0) {
    SettleRound(g);
    r.ZunpaKind = 0;
    return;
  }
  if (!r.HandOf(seat).empty()) {
    ApplyCardRole(g);
    PassTurn(g);
    return;
  }
  // Going out: the last card has no role of its own (the settlement deals
  // with a final 2).
  r.OutSeat = seat;
  if (human) PlaySoundFile(g, "agari2.wav");
  SettleRound(g);
}

void ApplyCardRole(Game& g) {
  RoundState& r = g.round;
  if (r.PileRank == kDrawTwoRank) {
    if (g.options.MsgNi) Announce(g, kSayTwo);
    r.DrawPenalty = RaisePenalty(r.DrawPenalty);
    if (g.observer) g.observer->OnRole(g, r.CurrentSeat, RoleEffect::DrawTwo);
  } else if (r.PileRank == g.roles.SkipRank) {
    if (g.options.MsgSkip) Announce(g, kSaySkip);
    r.SkipPending = true;
    if (g.observer) g.observer->OnRole(g, r.CurrentSeat, RoleEffect::Skip);
  } else if (r.PileRank == g.roles.ReverseRank) {
    if (g.options.MsgRev) Announce(g, kSayReverse);
    r.Reversed = !r.Reversed;
    SetArrow(g, true, r.Reversed);
    if (g.observer) g.observer->OnRole(g, r.CurrentSeat, RoleEffect::Reverse);
  } else if (r.PileRank == g.roles.SuitChangeRank) {
    DeclareSuit(g, r.CurrentSeat);
  }
}

}  // namespace zunpa
