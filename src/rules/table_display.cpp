#include "rules/table_display.h"

namespace zunpa {

void DisplayChanged(Game& g) {
  if (g.watching) g.host->DisplayChanged();
}

// Kept out of line even by whole-program optimisation: see the header.
namespace shown {

[[gnu::noinline]] void MoveCardPicture(Game& g, int suit, int rank, int left, int top) {
  if (suit < 1 || suit > 4 || rank < 1 || rank > 13) return;
  CardPicture& c = g.display.Card(suit, rank);
  c.left = left;
  c.top = top;
  DisplayChanged(g);
}

[[gnu::noinline]] void PutCardInFront(Game& g, int suit, int rank, int left, int top, bool faceUp) {
  if (suit < 1 || suit > 4 || rank < 1 || rank > 13) return;
  CardPicture& c = g.display.Card(suit, rank);
  c.faceUp = faceUp;
  c.left = left;
  c.top = top;
  c.visible = true;
  c.z = g.display.BringToFront();
  DisplayChanged(g);
}

[[gnu::noinline]] void LayOutRow(Game& g, int seat, bool refresh) {
  const Hand& hand = g.round.HandOf(seat);
  const bool faceUp = g.seats.IsHuman(seat);
  const int step = HandStep(int(hand.size()));
  int k = 0;
  for (int code : hand) {
    CardPicture& c = g.display.CardOfCode(code);
    c.left = kHandLeft + step * k++;
    c.top = kRowTop[seat - 1];
    if (!refresh) continue;
    c.faceUp = faceUp;
    c.visible = true;
    c.z = g.display.BringToFront();
  }
  DisplayChanged(g);
}

[[gnu::noinline]] void SetArrow(Game& g, bool visible, bool up) {
  g.display.arrowVisible = visible;
  g.display.arrowUp = up;
  DisplayChanged(g);
}

[[gnu::noinline]] void MoveBar(Game& g, int seat) {
  if (seat < 1 || seat > kSeats) return;
  g.display.barTop = kMarkerTop[seat - 1];
  DisplayChanged(g);
}

[[gnu::noinline]] void SetStockCounter(Game& g, int stockCount) {
  g.display.stockCounter = "あと" + std::to_string(stockCount) + "枚";
  DisplayChanged(g);
}

[[gnu::noinline]] void ShowHandTotal(Game& g) {
  if (!g.options.AutoDetect || !g.seats.HumanPlays()) return;
  const int total = g.round.HandTotal(4);
  g.display.handTotal = std::to_string(total);
  g.display.handTotalFontSize = total < 14 ? 18 : 10;
  DisplayChanged(g);
}

[[gnu::noinline]] void ClearTableDisplay(Game& g) {
  DisplayModel& d = g.display;
  for (CardPicture& c : d.cards)
    c.visible = c.enabled = c.faceUp = false;
  for (Picture& m : d.suitMarkers)
    m.visible = false;
  d.playableMarks = 0;
  DisplayChanged(g);
}

[[gnu::noinline]] void LayOutHands(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat)
    shown::LayOutRow(g, seat, true);
  const Stock& s = g.round.stock;
  for (int place = 0; place < s.StockCount; ++place)
    shown::PutCardInFront(g, s.Deck[place].suit, s.Deck[place].rank, kStockLeft, kStockTop, false);
}

[[gnu::noinline]] void RevealHand(Game& g, int seat) {
  if (seat < 1 || seat > kSeats) return;
  for (int code : g.round.HandOf(seat))
    g.display.CardOfCode(code).faceUp = true;
  DisplayChanged(g);
}

[[gnu::noinline]] void HideSuitMarkers(Game& g) {
  for (Picture& m : g.display.suitMarkers)
    m.visible = false;
  DisplayChanged(g);
}

[[gnu::noinline]] void ShowSuitMarker(Game& g, int suitIndex) {
  if (suitIndex < 0 || suitIndex > 3) return;
  Picture& m = g.display.suitMarkers[suitIndex];
  m.left = kPileLeft;
  m.top = kPileTop;
  m.visible = true;
  m.z = g.display.BringToFront();
  DisplayChanged(g);
}

[[gnu::noinline]] void LockHumanInput(Game& g) {
  DisplayModel& d = g.display;
  d.drawButtonEnabled = false;
  for (int code : g.round.HandOf(4))
    d.CardOfCode(code).enabled = false;
  d.playableMarks = 0;
  DisplayChanged(g);
}

[[gnu::noinline]] void UnlockHumanInput(Game& g) {
  const RoundState& r = g.round;
  DisplayModel& d = g.display;
  d.drawButtonEnabled = true;
  d.playableMarks = 0;
  const Hand& hand = r.HandOf(4);
  const int step = HandStep(int(hand.size()));
  int k = 0;
  for (int code : hand) {
    d.CardOfCode(code).enabled = true;
    const bool playable = SuitOfCode(code) == r.PileSuit || RankOfCode(code) == r.PileRank;
    if (g.options.AutoDetect && r.SelRank != kDrawTwoRank && playable)
      d.playableMarkLefts[d.playableMarks++] = kMarkLeft + step * k;
    ++k;
  }
  DisplayChanged(g);
}

}  // namespace shown

void RefreshPileTop(Game& g) {
  PutCardInFront(g, g.round.PileSuit, g.round.PileRank, kPile2Left, kPile2Top, true);
}

void StepPileFanBack(Game& g) {
  const RoundState& r = g.round;
  MoveCardPicture(g, r.Prev2Suit, r.Prev2Rank, kPile4Left, kPile4Top);
  MoveCardPicture(g, r.Prev1Suit, r.Prev1Rank, kPile3Left, kPile3Top);
  PutCardInFront(g, r.PileSuit, r.PileRank, kPile2Left, kPile2Top, true);
}

}  // namespace zunpa
