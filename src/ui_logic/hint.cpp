#include "ui_logic/hint.h"

#include "flow/turn_cycle.h"
#include "players/strategies.h"

namespace zunpa::ui {

std::optional<FocusStop> HintFor(const Game& game) {
  if (!UserMayMove(game)) return std::nullopt;
  const Move move = ChooseMove(Character::KiOokuman, ViewOfSeat(game, 4));
  if (move.draw) return FocusStop{true, 0};
  return FocusStop{false, move.code};
}

}  // namespace zunpa::ui
