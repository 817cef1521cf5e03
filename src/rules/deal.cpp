#include "rules/deal.h"

#include <cstdint>

#include "rules/card_set.h"
#include "rules/notices.h"
#include "rules/play_observer.h"
#include "rules/rejection_shuffle.h"
#include "rules/table_display.h"

namespace zunpa {

void ResetTable(Game& g) {
  RoundState& r = g.round;
  r.Reversed = r.SkipPending = r.SuitDeclared = false;
  r.DrawPenalty = 0;
  r.CurrentSeat = r.OutSeat = 0;
  r.ZunpaSeat1 = r.ZunpaSeat2 = r.ZunpaSeat3 = 0;
  r.CounteredSeat1 = r.CounteredSeat2 = 0;
  r.PilePrintedSuit = 0;
  r.ZunpaKind = 0;
  r.Prev1Suit = r.Prev1Rank = r.Prev2Suit = r.Prev2Rank = 0;
  g.flow.humanInputOpen = false;
  g.flow.pendingSeat = 0;
  if (g.watching) {
    DisplayModel& d = g.display;
    d.drawButtonVisible = d.drawButtonEnabled = false;
    d.arrowVisible = d.stockCounterVisible = d.handTotalVisible = false;
  }
  ClearTableDisplay(g);
}

void ShuffleAndDeal(Game& g) {
  RoundState& r = g.round;
  r.OutSeat = 0;
  g.random.Reseed(ReseedPoint::Deal, r.RoundNo);
  std::array<int, kCardsInPack> order;  // every place read is drawn first
  std::uint64_t placed = 0;
  DrawUnplacedNumbers(g.random, placed, order, kCardsInPack);
  // The first five numbers go to seat 1, the next five to seat 2, ...
  constexpr std::size_t kDealt = kSeats * kHandSize;
  for (std::size_t s = 0; s < kSeats; ++s) {
    CardSet dealt = 0;
    for (std::size_t k = s * kHandSize; k < (s + 1) * kHandSize; ++k)
      dealt |= CardSet{1} << BitOfNumber(order[k]);
    r.hands[s].Assign(dealt);
  }
  // ... and the rest, in order, to the stock.
  for (std::size_t k = kDealt; k < kCardsInPack; ++k)
    r.stock.Deck[k - kDealt] = CardOfNumber(order[k]);
  r.stock.StockCount = kCardsInPack - static_cast<int>(kDealt);
  LayOutHands(g);
  ShowHandTotal(g);
  if (g.observer) g.observer->OnDeal(g);
}

void TurnUpOpeningCard(Game& g) {
  RoundState& r = g.round;
  const Card top = r.stock.Deck[--r.stock.StockCount];
  r.DrawnSuit = top.suit;
  r.DrawnRank = top.rank;
  PutCardInFront(g, top.suit, top.rank, kPileLeft, kPileTop, true);
  r.SelRank = r.PileRank = top.rank;
  r.SelSuit = r.PileSuit = top.suit;
  r.pileLog.Clear();
  r.pileLog.Add(top);
  SetArrow(g, true, false);
  if (g.watching && g.options.AutoDetect && g.seats.HumanPlays()) g.display.handTotalVisible = true;
  if (g.observer) g.observer->OnOpen(g, CodeOf(top));

  const std::string title = g.watching ? "場札が" + std::to_string(top.rank) + "です" : std::string();
  if (top.rank == kDrawTwoRank) {
    if (g.options.MsgNi) Inform(g, "最初のプレーヤーはドロー・ツーです", title);
    r.DrawPenalty = RaisePenalty(r.DrawPenalty);
  } else if (top.rank == g.roles.SkipRank) {
    if (g.options.MsgSkip) Inform(g, "次のプレーヤーから始めます", title);
  } else if (top.rank == g.roles.ReverseRank) {
    r.Reversed = true;
    SetArrow(g, true, true);
    if (g.options.MsgRev) Inform(g, "逆順で始めます", title);
  }
}

int SeatBeforeFirstMover(const Game& g, int starter) {
  const int opening = g.round.PileRank;
  if (opening == g.roles.ReverseRank) return starter % 4 + 1;
  if (opening == g.roles.SkipRank) return starter;
  return (starter + 2) % 4 + 1;
}

}  // namespace zunpa
