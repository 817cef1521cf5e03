#pragma once
// A seat's hand: a set of cards read in ascending code order, with the sum
// of their ranks kept alongside so a Zunpa check costs nothing.

#include <cstddef>
#include <iterator>

#include "rules/card_set.h"

namespace zunpa {

class Hand {
 public:
  // Walks the codes in ascending order.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = int;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = int;

    constexpr Iterator() = default;
    explicit constexpr Iterator(CardSet rest) : rest_(rest) {}
    int operator*() const { return CodeOfBit(LowestBit(rest_)); }
    Iterator& operator++() {
      rest_ &= rest_ - 1;
      return *this;
    }
    Iterator operator++(int) {
      Iterator was = *this;
      ++*this;
      return was;
    }
    bool operator!=(const Iterator& other) const { return rest_ != other.rest_; }
    bool operator==(const Iterator& other) const { return rest_ == other.rest_; }

   private:
    CardSet rest_ = 0;
  };

  int size() const { return count_; }
  bool empty() const { return cards_ == 0; }
  // The k-th code in ascending order, 0 <= k < size().
  int operator[](int k) const;
  Iterator begin() const { return Iterator(cards_); }
  Iterator end() const { return Iterator(0); }
  CardSet Cards() const { return cards_; }
  // Sum of the ranks: the hand's value when a Zunpa is called.
  int Total() const { return total_; }

  void Clear() {
    cards_ = 0;
    count_ = total_ = 0;
  }
  // The hand becomes exactly these cards.
  void Assign(CardSet cards) {
    cards_ = cards & kWholePack;
    count_ = CountCards(cards_);
    total_ = RankTotal(cards_);
  }
  // A card is held once: inserting one already held changes nothing, nor
  // does a code that is no card.
  void Insert(int code) { Insert(CardOfCode(code)); }
  void Insert(Card c) {
    const CardSet card = SetOfCard(c);
    const int fresh = (cards_ & card) == 0 && card != 0;
    cards_ |= card;
    count_ += fresh;
    total_ += fresh * c.rank;
  }
  // False when the card is not held.
  bool Remove(int code) { return Remove(CardOfCode(code)); }
  bool Remove(Card c) {
    const CardSet card = SetOfCard(c);
    const int held = (cards_ & card) != 0;
    cards_ &= ~card;
    count_ -= held;
    total_ -= held * c.rank;
    return held != 0;
  }
  bool Contains(int code) const { return (cards_ & SetOfCode(code)) != 0; }
  int CountOfSuit(int suit) const { return CountCards(cards_ & SuitSet(suit)); }

 private:
  CardSet cards_ = 0;
  int count_ = 0;
  int total_ = 0;
};

}  // namespace zunpa
