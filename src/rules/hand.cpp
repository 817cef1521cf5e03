#include "rules/hand.h"

namespace zunpa {

int Hand::operator[](int k) const {
  CardSet rest = cards_;
  for (; k > 0 && rest != 0; --k)
    rest &= rest - 1;
  return rest != 0 ? CodeOfBit(LowestBit(rest)) : 0;
}

}  // namespace zunpa
