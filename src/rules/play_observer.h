#pragma once
// Follows a game move by move: the simulator writes its log from it and the
// tests check their invariants with it. Nothing is called when none is set.

#include <array>

#include "rules/cards.h"

namespace zunpa {

struct Game;

// What a run of penalty draws pays for.
enum class PenaltyReason {
  DrawTwo,      // a pending draw-two left unanswered
  LastCardTwo,  // the seat before went out with a 2
  CallersTwos,  // the 2s in the Zunpa winners' hands
  CalledOnTwo,  // the card called on was a 2
  HeldTwo,      // a 2 left in hand when the round ended
};

enum class RoleEffect { DrawTwo, Skip, Reverse };

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
  // Cleared by an observer that wants no call per play or draw: headless
  // runs then pay nothing per move for being followed.
  bool followsMoves = true;
  // A new game, or one continued from the saved file, is about to be dealt.
  virtual void OnGameStart(const Game&, bool /*continued*/) {}
  virtual void OnDeal(const Game&) {}
  virtual void OnOpen(const Game&, int /*code*/) {}
  virtual void OnPlay(const Game&, int /*seat*/, int /*code*/) {}
  virtual void OnDraw(const Game&, int /*seat*/, int /*code*/, bool /*penalty*/, bool /*afterRound*/) {}
  // `count` penalty draws by `seat` follow; `card` is the 2 that caused
  // them where one card did (0 otherwise).
  virtual void OnPenalty(const Game&, int /*seat*/, int /*count*/, PenaltyReason, int /*card*/) {}
  virtual void OnReshuffle(const Game&) {}
  // The card just played by `seat` took effect (after the state changed).
  virtual void OnRole(const Game&, int /*seat*/, RoleEffect) {}
  virtual void OnDeclare(const Game&, int /*seat*/, int /*suit*/) {}
  virtual void OnZunpa(const Game&, const ZunpaCall&) {}
  // RoundPoints are set; the hands are as they were scored.
  virtual void OnRoundScored(const Game&) {}
  // A running total was halved or doubled; `before` is the total it was.
  virtual void OnTotalHalved(const Game&, int /*seat*/, int /*before*/) {}
  virtual void OnTotalDoubled(const Game&, int /*seat*/, int /*before*/) {}
  virtual void OnRoundEnd(const Game&) {}
  // The round reached the move cap and is dealt again.
  virtual void OnRoundStalled(const Game&) {}
  virtual void OnGameEnd(const Game&) {}
};

}  // namespace zunpa
