#pragma once
// A seat's hand: card codes kept in ascending order, with the sum of their
// ranks kept alongside so a Zunpa check costs nothing.

#include <array>
#include <cstdint>

#include "rules/cards.h"

namespace zunpa {

class Hand {
 public:
  int size() const { return count_; }
  bool empty() const { return count_ == 0; }
  int operator[](int k) const { return codes_[k]; }
  const std::uint16_t* begin() const { return codes_.data(); }
  const std::uint16_t* end() const { return codes_.data() + count_; }
  // Sum of the ranks: the hand's value when a Zunpa is called.
  int Total() const { return total_; }

  void Clear() {
    count_ = 0;
    total_ = 0;
  }
  // Puts the card in its sorted place.
  void Insert(int code);
  // Removes the first entry with this code; false when there is none.
  bool Remove(int code);
  bool Contains(int code) const;
  int CountOfSuit(int suit) const;

 private:
  std::array<std::uint16_t, kCardsInPack> codes_{};
  int count_ = 0;
  int total_ = 0;
};

}  // namespace zunpa
