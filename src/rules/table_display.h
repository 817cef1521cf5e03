#pragma once
// The display steps of the rules: where card pictures go and what the
// table's controls show. Each does nothing when nobody is watching.

#include "rules/game.h"

namespace zunpa {

void DisplayChanged(Game& g);
// Every card face down, hidden and unclickable; markers and marks gone.
void ClearTableDisplay(Game& g);
void MoveCardPicture(Game& g, int suit, int rank, int left, int top);
// The picture of the card at the given place, brought to the front and shown.
void PutCardInFront(Game& g, int suit, int rank, int left, int top, bool faceUp);
// Lays a seat's row out again from left 3000; with `refresh`, faces (the
// user's up, the others' down) are reloaded and each card is brought to the
// front and shown.
void LayOutRow(Game& g, int seat, bool refresh);
// After a deal: the user's hand face up, the others face down, the stock
// stacked face down; every picture shown.
void LayOutHands(Game& g);
void RevealHand(Game& g, int seat);
void RefreshPileTop(Game& g);
// The pile fan one place back, so a suit marker can lie on top.
void StepPileFanBack(Game& g);
void HideSuitMarkers(Game& g);
void ShowSuitMarker(Game& g, int suitIndex);
void SetArrow(Game& g, bool visible, bool up);
void MoveBar(Game& g, int seat);
void SetStockCounter(Game& g, int stockCount);
// The user's cards and draw button, locked or open with the playable cards
// marked.
void LockHumanInput(Game& g);
void UnlockHumanInput(Game& g);
void ShowHandTotal(Game& g);

}  // namespace zunpa
