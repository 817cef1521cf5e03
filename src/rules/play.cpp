#include "rules/play.h"

#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/table_display.h"

namespace zunpa {

void RemoveFromHand(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  r.HandOf(seat).Remove(Card{r.SelSuit, r.SelRank});
  LayOutRow(g, seat, false);
  if (g.seats.IsHuman(seat)) ShowHandTotal(g);
}

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
  r.pileLog.Add(Card{r.PileSuit, r.PileRank});
}

}  // namespace zunpa
