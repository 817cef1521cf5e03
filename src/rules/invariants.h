#pragma once
// What holds of the table at every move boundary of a round: every card
// exactly once in the hands, the stock and the pile; each hand's kept total
// its rank sum; the pile log's top the card on top; a stock within the pack.

#include <optional>
#include <stdexcept>
#include <string>

#include "rules/game.h"

namespace zunpa {

// What is broken, in a few words; nothing when all holds or no round is
// in play.
std::optional<std::string> BrokenInvariant(const Game& g);
// The same for any dealt table, in play or not.
std::optional<std::string> BrokenTableInvariant(const RoundState& r);

// Thrown after a step that broke one, where the game checks them.
struct InvariantBroken : std::logic_error {
  using std::logic_error::logic_error;
};
// Throws InvariantBroken naming the round, the move and what is broken.
void CheckInvariants(const Game& g);

}  // namespace zunpa
