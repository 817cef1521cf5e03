#include "players/seat_view.h"

#include "rules/game.h"

namespace zunpa {

SeatView ViewOfSeat(const Game& g, int seat) {
  const RoundState& r = g.round;
  return {seat, r.HandOf(seat), r.PileSuit, r.PileRank, r.pileLog, g.scores.standing[seat - 1], g.roles};
}

}  // namespace zunpa
