#pragma once
// The display steps of the rules: where card pictures go and what the
// table's controls show. Each does nothing when nobody is watching.

#include "rules/game.h"

namespace zunpa {

void DisplayChanged(Game& g);

// The work of the steps below for a watched table, out of line: the test
// for a watcher is in line, so a headless game pays that one test and the
// moves' own code stays small.
namespace shown {
void MoveCardPicture(Game& g, int suit, int rank, int left, int top);
void PutCardInFront(Game& g, int suit, int rank, int left, int top, bool faceUp);
void LayOutRow(Game& g, int seat, bool refresh);
void SetArrow(Game& g, bool visible, bool up);
void MoveBar(Game& g, int seat);
void SetStockCounter(Game& g, int stockCount);
void ShowHandTotal(Game& g);
void ClearTableDisplay(Game& g);
void LayOutHands(Game& g);
void RevealHand(Game& g, int seat);
void HideSuitMarkers(Game& g);
void ShowSuitMarker(Game& g, int suitIndex);
void LockHumanInput(Game& g);
void UnlockHumanInput(Game& g);
}  // namespace shown

// Every card face down, hidden and unclickable; markers and marks gone.
inline void ClearTableDisplay(Game& g) {
  if (g.watching) shown::ClearTableDisplay(g);
}
inline void MoveCardPicture(Game& g, int suit, int rank, int left, int top) {
  if (g.watching) shown::MoveCardPicture(g, suit, rank, left, top);
}
// The picture of the card at the given place, brought to the front and shown.
inline void PutCardInFront(Game& g, int suit, int rank, int left, int top, bool faceUp) {
  if (g.watching) shown::PutCardInFront(g, suit, rank, left, top, faceUp);
}
// Lays a seat's row out again from left 3000; with `refresh`, faces (the
// user's up, the others' down) are reloaded and each card is brought to the
// front and shown.
inline void LayOutRow(Game& g, int seat, bool refresh) {
  if (g.watching) shown::LayOutRow(g, seat, refresh);
}
// After a deal: the user's hand face up, the others face down, the stock
// stacked face down; every picture shown.
inline void LayOutHands(Game& g) {
  if (g.watching) shown::LayOutHands(g);
}
inline void RevealHand(Game& g, int seat) {
  if (g.watching) shown::RevealHand(g, seat);
}
void RefreshPileTop(Game& g);
// The pile fan one place back, so a suit marker can lie on top.
void StepPileFanBack(Game& g);
inline void HideSuitMarkers(Game& g) {
  if (g.watching) shown::HideSuitMarkers(g);
}
inline void ShowSuitMarker(Game& g, int suitIndex) {
  if (g.watching) shown::ShowSuitMarker(g, suitIndex);
}
inline void SetArrow(Game& g, bool visible, bool up) {
  if (g.watching) shown::SetArrow(g, visible, up);
}
inline void MoveBar(Game& g, int seat) {
  if (g.watching) shown::MoveBar(g, seat);
}
inline void SetStockCounter(Game& g, int stockCount) {
  if (g.watching) shown::SetStockCounter(g, stockCount);
}
// The user's cards and draw button, locked or open with the playable cards
// marked.
inline void LockHumanInput(Game& g) {
  g.flow.humanInputOpen = false;
  if (g.watching) shown::LockHumanInput(g);
}
inline void UnlockHumanInput(Game& g) {
  g.flow.humanInputOpen = true;
  if (g.watching) shown::UnlockHumanInput(g);
}
inline void ShowHandTotal(Game& g) {
  if (g.watching) shown::ShowHandTotal(g);
}

}  // namespace zunpa
