#pragma once
// Follows a game move by move: the simulator writes its log from it and the
// tests check their invariants with it. Nothing is called when none is set.

#include <array>

#include "rules/cards.h"

namespace zunpa {

struct Game;

struct ZunpaCall {
  std::array<int, 3> callers{};  // in seat order, 0 where unused
  bool passed = false;           // let pass or declined: the round goes on
  bool countered = false;
  int winner = 0;
  std::array<int, 3> losers{};
};

class PlayObserver {
 public:
  virtual ~PlayObserver() = default;
  virtual void OnDeal(const Game&) {}
  virtual void OnOpen(const Game&, int /*code*/) {}
  virtual void OnPlay(const Game&, int /*seat*/, int /*code*/) {}
  virtual void OnDraw(const Game&, int /*seat*/, int /*code*/, bool /*penalty*/, bool /*afterRound*/) {}
  virtual void OnReshuffle(const Game&) {}
  virtual void OnDeclare(const Game&, int /*seat*/, int /*suit*/) {}
  virtual void OnZunpa(const Game&, const ZunpaCall&) {}
  virtual void OnRoundEnd(const Game&) {}
  // The round reached the move cap and is dealt again.
  virtual void OnRoundStalled(const Game&) {}
  virtual void OnGameEnd(const Game&) {}
};

}  // namespace zunpa
