#include "engine/deal.h"

#include <cstdint>

#include "engine/notices.h"
#include "engine/play_observer.h"
#include "engine/table_display.h"
#include "engine/turn_cycle.h"
#include "scoring/seat_names.h"

namespace zunpa {

void StartNewGame(Game& g) {
  SeatSetup setup{g.seats.SeatName, g.seats.HumanSex};
  const bool accepted = g.host->SelectPlayers(setup);
  // The computer seats stay as chosen even when the dialog ends with Cancel.
  for (int i = 0; i < 3; ++i)
    g.seats.SeatName[i] = setup.names[i];
  if (!accepted) return;
  g.seats.SeatName[3] = setup.names[3];
  g.seats.HumanSex = setup.humanSex;
  BeginNewGame(g);
}

void BeginNewGame(Game& g) {
  g.round.NextStarter = kNewGame;
  g.scores = Scores{};
  if (g.watching) {
    for (SeatPanel& p : g.display.seats)
      p.standing = p.total = p.lastPoints = p.zunpaRecord = p.wins = "";
    for (auto& column : g.display.sheet.columns)
      for (int round = 1; round <= kRoundsInGame; ++round)
        column[round] = SheetCell{};
    g.display.roundCaption = "第1ラウンド";
  }
  ShowSeatNames(g);
  ResetTable(g);
  StartRound(g);
}

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
  g.humanInputOpen = false;
  g.pendingSeat = 0;
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
  g.random.ReseedFromClock();
  // A random order of the 52 card numbers by rejection: a number already
  // placed is drawn again.
  std::array<int, kCardsInPack> order{};
  std::uint64_t placed = 0;
  for (int i = 0; i < kCardsInPack; ++i) {
    int n;
    do
      n = g.random.Below(kCardsInPack);
    while (placed & (std::uint64_t{1} << n));
    placed |= std::uint64_t{1} << n;
    order[i] = n;
  }
  for (Hand& h : r.hands)
    h.Clear();
  for (int i = 0; i < kSeats * kHandSize; ++i)
    r.hands[i / kHandSize].Insert(CodeOf(CardOfNumber(order[i])));
  r.stock.StockCount = 0;
  for (int i = kSeats * kHandSize; i < kCardsInPack; ++i)
    r.stock.Deck[r.stock.StockCount++] = CardOfNumber(order[i]);
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
  r.pileLog.Add(CodeOf(top));
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
