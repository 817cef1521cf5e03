#pragma once
// Which suit a seat declares after its suit-change card.

#include <array>
#include <optional>

#include "players/seat_view.h"
#include "rules/characters.h"

namespace zunpa {

// Per suit (index suit - 1): the sum of rank + 1 over the cards of that suit.
std::array<int, 4> SuitScores(const Hand& hand);
// The first suit (0 spade .. 3 diamond) whose score is the highest.
int SuggestedSuit(const std::array<int, 4>& scores);
// The suit a computer character declares (0..3), `playedSuit` being the
// printed suit of the suit-change card it just played; nothing when no suit
// meets its target, which its rules never produce.
std::optional<int> ComputerDeclaredSuit(Character character, const SeatView& view, int playedSuit);

// Whether a lone computer caller lets its Zunpa pass.
bool LetsZunpaPass(Character character, int callerHandSize, bool everyHandHoldsCards);

}  // namespace zunpa
