#pragma once
// Counting each settled round and each finished game into the records.

#include "rules/game.h"

namespace zunpa {

// The record slot of a seat: its character's, or the user's.
int RecordSlotOfSeat(const Game& g, int seat);
// Also clears RoundPoints.
void UpdateRoundRecords(Game& g);
// Also clears TotalPoints.
void UpdateGameRecords(Game& g);

}  // namespace zunpa
