#include "engine/play.h"

#include "engine/notices.h"
#include "engine/play_observer.h"
#include "engine/table_display.h"
#include "engine/turn_cycle.h"
#include "engine/zunpa.h"
#include "players/declare_suit.h"
#include "scoring/settlement.h"

namespace zunpa {

void RemoveFromHand(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  r.HandOf(seat).Remove(CodeOf(r.SelSuit, r.SelRank));
  LayOutRow(g, seat, false);
  if (g.seats.IsHuman(seat)) ShowHandTotal(g);
}

namespace {

void MoveCardToPile(Game& g) {
  RoundState& r = g.round;
  MoveCardPicture(g, r.Prev2Suit, r.Prev2Rank, kPile4Left, kPile4Top);
  MoveCardPicture(g, r.Prev1Suit, r.Prev1Rank, kPile3Left, kPile3Top);
  if (r.SuitDeclared) {
    // A declared suit lasts only until the next card is played on it.
    if (g.watching && r.PileSuit >= 1 && r.PileSuit <= 4) g.display.suitMarkers[r.PileSuit - 1].visible = false;
    r.PileSuit = r.PilePrintedSuit;
    r.SuitDeclared = false;
  }
  MoveCardPicture(g, r.PileSuit, r.PileRank, kPile2Left, kPile2Top);
  RemoveFromHand(g, r.CurrentSeat - 1);
  if (g.watching && g.options.CardSound) g.host->PlaySound(ProgramFile(g, "card.wav"));
  PutCardInFront(g, r.SelSuit, r.SelRank, kPileLeft, kPileTop, true);
  r.Prev2Suit = r.Prev1Suit;
  r.Prev2Rank = r.Prev1Rank;
  r.Prev1Suit = r.PileSuit;
  r.Prev1Rank = r.PileRank;
  r.PileSuit = r.SelSuit;
  r.PileRank = r.SelRank;
  r.pileLog.Add(CodeOf(r.PileSuit, r.PileRank));
}

}  // namespace

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
  ++g.movesThisRound;
  if (g.observer) g.observer->OnPlay(g, seat, CodeOf(r.PileSuit, r.PileRank));

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
  } else if (r.PileRank == g.roles.SkipRank) {
    if (g.options.MsgSkip) Announce(g, kSaySkip);
    r.SkipPending = true;
  } else if (r.PileRank == g.roles.ReverseRank) {
    if (g.options.MsgRev) Announce(g, kSayReverse);
    r.Reversed = !r.Reversed;
    SetArrow(g, true, r.Reversed);
  } else if (r.PileRank == g.roles.SuitChangeRank) {
    DeclareSuit(g, r.CurrentSeat);
  }
}

}  // namespace zunpa
