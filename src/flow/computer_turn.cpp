#include "flow/computer_turn.h"

#include <array>

#include "flow/draw_two.h"
#include "flow/play_card.h"
#include "flow/turn_cycle.h"
#include "players/strategies.h"
#include "rules/draw.h"

namespace zunpa {
namespace {

// A character's card, taken apart by looking up: the move's whole chain of
// work waits on it.
constexpr int kLastCode = CodeOf(kDiamond, 13);
constexpr std::array<Card, kLastCode + 1> kCardOfCode = [] {
  std::array<Card, kLastCode + 1> cards{};
  for (int code = 0; code <= kLastCode; ++code)
    cards[static_cast<std::size_t>(code)] = CardOfCode(code);
  return cards;
}();

}  // namespace

void ComputerTurn(Game& g, int listIndex) {
  RoundState& r = g.round;
  const int seat = listIndex + 1;
  const auto& character = g.seats.character[listIndex];
  if (!character) return;
  if (r.SelRank == kDrawTwoRank) {
    AnswerDrawTwo(g, listIndex);
    return;
  }
  const Move move = ChooseMove(*character, ViewOfSeat(g, seat));
  r.CurrentSeat = seat;
  if (move.draw) {
    DrawCard(g, listIndex);
    PassTurn(g);
    return;
  }
  const auto code = static_cast<std::size_t>(move.code);
  const Card card = code < kCardOfCode.size() ? kCardOfCode[code] : Card{};
  r.SelSuit = card.suit;
  r.SelRank = card.rank;
  PlayCard(g);
}

}  // namespace zunpa
