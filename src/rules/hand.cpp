#include "rules/hand.h"

namespace zunpa {

void Hand::Insert(int code) {
  if (count_ >= kCardsInPack) return;
  int k = count_;
  while (k > 0 && codes_[k - 1] > code) {
    codes_[k] = codes_[k - 1];
    --k;
  }
  codes_[k] = static_cast<std::uint16_t>(code);
  ++count_;
  total_ += RankOfCode(code);
}

bool Hand::Remove(int code) {
  for (int k = 0; k < count_; ++k) {
    if (codes_[k] != code) continue;
    for (int j = k + 1; j < count_; ++j)
      codes_[j - 1] = codes_[j];
    --count_;
    total_ -= RankOfCode(code);
    return true;
  }
  return false;
}

bool Hand::Contains(int code) const {
  for (int k = 0; k < count_; ++k)
    if (codes_[k] == code) return true;
  return false;
}

int Hand::CountOfSuit(int suit) const {
  int n = 0;
  for (int k = 0; k < count_; ++k)
    n += SuitOfCode(codes_[k]) == suit;
  return n;
}

}  // namespace zunpa
