#include "ui_logic/log_texts.h"

#include <array>

namespace zunpa::ui {

std::string CardName(int code) {
  constexpr std::array<const char*, 4> kFaces = {"A", "J", "Q", "K"};
  const int rank = RankOfCode(code);
  std::string name(kSuitNames[SuitOfCode(code) - 1]);
  name += "の";
  if (rank == 1) return name + kFaces[0];
  if (rank >= 11) return name + kFaces[rank - 10];
  return name + std::to_string(rank);
}

std::string HandText(const Hand& hand) {
  if (hand.empty()) return "なし";
  std::string text;
  for (int code : hand) {
    if (!text.empty()) text += "、";
    text += CardName(code);
  }
  return text;
}

std::string Points(int points) {
  return std::to_string(points) + "点";
}

}  // namespace zunpa::ui
