#include "ui_logic/card_name.h"

#include <array>
#include <string_view>

#include "rules/cards.h"

namespace zunpa::ui {

std::string CardName(int code) {
  const int suit = SuitOfCode(code), rank = RankOfCode(code);
  if (suit < 1 || suit > 4 || rank < 1 || rank > 13) return {};
  constexpr std::array<std::string_view, 4> kFaces = {"A", "J", "Q", "K"};
  const std::string face = rank == 1   ? std::string(kFaces[0])
                           : rank > 10 ? std::string(kFaces[rank - 10])
                                       : std::to_string(rank);
  return std::string(kSuitNames[suit - 1]) + "の" + face;
}

}  // namespace zunpa::ui
