#pragma once
// What the user's seat may know of the cards it cannot see: which cards
// are unseen, how many each other hand and the stock hold, the hands a
// Zunpa opened, and what the characters' own moves say of their hands.

#include <array>

#include "rules/card_set.h"
#include "rules/hand.h"

namespace zunpa {

struct YomiInput;

// One other seat's hand as the user's seat reads it.
struct HandReading {
  int size = 0;
  // Opened by a Zunpa call: the hand is exactly `known`.
  bool opened = false;
  CardSet known = 0;
  // At a draw the seat held none of voidCards[k] (or one, for a character
  // that draws with one playable card); it has drawn allowance[k] unknown
  // cards since, the drawn one included.
  static constexpr int kVoids = 12;
  int voids = 0;
  std::array<CardSet, kVoids> voidCards{};
  std::array<int, kVoids> allowance{};
  // Totals the hand cannot have now: on a card of that rank (less what the
  // seat played since) it did not call Zunpa, and has drawn nothing since.
  static constexpr int kNotTotals = 16;
  int notTotals = 0;
  std::array<int, kNotTotals> notTotal{};

  bool Fits(CardSet hand) const;
  void AddVoid(CardSet cards, int allowed);
  void AddNotTotal(int total);
};

struct SeatKnowledge {
  CardSet own = 0;
  // Cards that lie in another hand or in the stock, as far as seat 4 knows.
  CardSet unseen = 0;
  int stockCount = 0;
  std::array<HandReading, 3> others{};  // seats 1..3
};

// `readCharacters` false leaves the readings of the moves out, for
// measuring what they add.
SeatKnowledge KnowledgeOfUser(const YomiInput& in, bool readCharacters = true);

}  // namespace zunpa
