#include "rules/draw.h"

#include <cstdint>

#include "rules/card_set.h"
#include "rules/flag_scope.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/rejection_shuffle.h"
#include "rules/table_display.h"

namespace zunpa {

bool DrawCard(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  const bool human = g.seats.IsHuman(seat);
  if (human) LockHumanInput(g);
  bool took = true;
  if (r.stock.StockCount > 0) {
    --r.stock.StockCount;
  } else {
    took = Reshuffle(g);
  }
  if (took) {
    const Card drawn = r.stock.Deck[r.stock.StockCount];
    r.DrawnSuit = drawn.suit;
    r.DrawnRank = drawn.rank;
    Hand& hand = r.HandOf(seat);
    hand.Insert(drawn);
    ++g.flow.movesThisRound;
    if (g.observer && g.observer->followsMoves)
      g.observer->OnDraw(g, seat, CodeOf(drawn), g.flow.penaltyDrawing, r.RoundOver());
    if (r.RoundOver()) {
      // A penalty drawn during the settlement: shown face up beside the hand.
      PutCardInFront(g, drawn.suit, drawn.rank, SettlementDrawLeft(int(hand.size())), kRowTop[listIndex], true);
      return true;
    }
    LayOutRow(g, seat, true);
  } else if (r.RoundOver()) {
    return false;
  }
  r.SelRank = 0;
  if (human) {
    r.CurrentSeat = seat;
    ShowHandTotal(g);
  }
  return took;
}

void DrawPenaltyCards(Game& g, int listIndex, int count) {
  const FlagScope drawing(g.flow.penaltyDrawing);
  for (int n = 0; n < count; ++n)
    if (!DrawCard(g, listIndex)) break;
}

void TakePenalty(Game& g, int listIndex) {
  RoundState& r = g.round;
  if (g.observer && r.DrawPenalty > 0)
    g.observer->OnPenalty(g, listIndex + 1, r.DrawPenalty, PenaltyReason::DrawTwo, 0);
  DrawPenaltyCards(g, listIndex, r.DrawPenalty);
  r.DrawPenalty = 0;
}

bool Reshuffle(Game& g) {
  RoundState& r = g.round;
  // Cards in hands and the top of the pile never go back into the stock.
  CardSet held = SetOfCard({r.TopPrintedSuit(), r.PileRank});
  for (const Hand& hand : r.hands)
    held |= hand.Cards();
  // The shuffle draws card numbers, not card bits.
  std::uint64_t keptOut = 0;
  for (CardSet rest = held; rest != 0; rest &= rest - 1)
    keptOut |= std::uint64_t{1} << NumberOfBit(LowestBit(rest));
  const int free = kCardsInPack - CountCards(held);
  if (free == 0) return false;

  if (!r.RoundOver()) Inform(g, "山札がなくなったのでシャッフルします");
  HideSuitMarkers(g);
  g.random.Reseed(ReseedPoint::Reshuffle, r.RoundNo);
  r.stock.StockCount = 0;
  std::uint64_t placed = keptOut;
  std::array<int, kCardsInPack> order;  // every place read is drawn first
  DrawUnplacedNumbers(g.random, placed, order, free);
  for (int i = 0; i < free; ++i) {
    const Card card = CardOfNumber(order[static_cast<std::size_t>(i)]);
    r.stock.Deck[r.stock.StockCount++] = card;
    if (g.watching) {
      CardPicture& picture = g.display.Card(card.suit, card.rank);
      picture = {false, true, false, kStockLeft, kStockTop, g.display.BringToFront()};
    }
  }
  DisplayChanged(g);
  // The pile is its top card again: the log restarts from the card really
  // on top, whatever suit was declared on it.
  r.pileLog.Clear();
  r.pileLog.Add(Card{r.TopPrintedSuit(), r.PileRank});
  if (g.observer) g.observer->OnReshuffle(g);
  --r.stock.StockCount;
  r.Prev1Suit = r.Prev1Rank = r.Prev2Suit = r.Prev2Rank = 0;
  return true;
}

}  // namespace zunpa
