#pragma once
// What a screen reader is told of the table's pictures: the user's cards,
// the pile and each other hand. A face-down card is never named.

#include <string>
#include <vector>

#include "rules/game.h"

namespace zunpa::ui {

struct TableItem {
  enum Kind { UserCard, Pile, OtherHand } kind = UserCard;
  std::string name;
  std::string description;
  int code = 0;                                  // the user's card
  int seat = 0;                                  // the other hand's seat
  int left = 0, top = 0, width = 0, height = 0;  // twips
};

std::vector<TableItem> TableItems(const Game& game);

}  // namespace zunpa::ui
