#include "rules/invariants.h"

#include <array>

namespace zunpa {
namespace {

bool IsCard(Card c) {
  return c.suit >= 1 && c.suit <= 4 && c.rank >= 1 && c.rank <= 13;
}

std::optional<std::string> CardsNotOnce(const RoundState& r) {
  std::array<int, kCardsInPack> seen{};
  bool strange = false;
  const auto see = [&](Card c) {
    if (IsCard(c)) {
      ++seen[NumberOf(c)];
    } else {
      strange = true;
    }
  };
  for (const Hand& h : r.hands)
    for (int code : h)
      see(CardOfCode(code));
  for (int place = 0; place < r.stock.StockCount; ++place)
    see(r.stock.Deck[place]);
  for (int code : r.pileLog)
    see(CardOfCode(code));
  if (strange) return std::string("a place holds no card of the pack");
  for (int n = 0; n < kCardsInPack; ++n)
    if (seen[n] != 1)
      return "card " + std::to_string(CodeOf(CardOfNumber(n))) + " is on the table " + std::to_string(seen[n]) +
             " times";
  return std::nullopt;
}

std::optional<std::string> WrongHandTotal(const RoundState& r) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    int sum = 0;
    for (int code : r.HandOf(seat))
      sum += RankOfCode(code);
    if (sum != r.HandTotal(seat))
      return "seat " + std::to_string(seat) + " keeps a total of " + std::to_string(r.HandTotal(seat)) +
             " for a hand of " + std::to_string(sum);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> BrokenInvariant(const Game& g) {
  const RoundState& r = g.round;
  // Once a round is over its settlement scores a Zunpa's card in the
  // loser's hand while it still lies on the pile: the table is checked
  // while a round is in play.
  if (r.RoundNo < 1 || r.RoundNo >= kGameOverRound || r.RoundOver()) return std::nullopt;
  return BrokenTableInvariant(r);
}

std::optional<std::string> BrokenTableInvariant(const RoundState& r) {
  if (r.pileLog.size() == 0) return std::string("the pile is empty");
  if (r.stock.StockCount < 0 || r.stock.StockCount > kCardsInPack)
    return "the stock counts " + std::to_string(r.stock.StockCount) + " cards";
  const int top = CodeOf(r.TopPrintedSuit(), r.PileRank);
  if (r.pileLog[r.pileLog.size() - 1] != top)
    return "the pile log ends with " + std::to_string(r.pileLog[r.pileLog.size() - 1]) + " under " +
           std::to_string(top);
  if (auto broken = WrongHandTotal(r)) return broken;
  return CardsNotOnce(r);
}

void CheckInvariants(const Game& g) {
  if (const auto broken = BrokenInvariant(g))
    throw InvariantBroken("round " + std::to_string(g.round.RoundNo) + ", move " +
                          std::to_string(g.flow.movesThisRound) + ": " + *broken);
}

}  // namespace zunpa
