#include "ui_logic/log_texts.h"

#include <array>

namespace zunpa::ui {

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
