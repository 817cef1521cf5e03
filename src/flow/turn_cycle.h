#pragma once
// The engine's control flow: the round driver, the pass of the turn, the
// user's actions and the locking of the user's controls.

#include "rules/game.h"

namespace zunpa {

// What comes next at a move boundary. Nothing: the user must act, or no
// game runs. A computer move comes with the pause that goes before it,
// read when asked, so a change of speed applies from the next pause.
enum class StepKind { None, ComputerMove, DrawTwoQuestion, Deal, GameEnd };
struct Step {
  StepKind kind = StepKind::None;
  int seat = 0;
  double pauseSeconds = 0;
};
Step NextStep(const Game& g);
// Makes exactly the step NextStep names; its only waits are the Host's.
void RunStep(Game& g);
// The headless driver: pause, step, pause, step, until the user must act.
void RunSteps(Game& g);

// Begins a round as NextStarter says (a new game, a resumed one); false
// when the user declines to deal again. The moves after it are steps.
bool StartRound(Game& g);
// StartRound, then every step up to the user's move: for headless tables.
void RunRoundDriver(Game& g);
// Hands the move to the seat after CurrentSeat; the move itself is the next
// step, so a long run of computer moves is a loop, not nested calls.
void PassTurn(Game& g);
// The seat that moves after `seat` (with a skip, the one after that).
int NextSeat(int seat, bool reversed, bool skip);

// The user's actions. Each is ignored unless the user is to move and, for a
// card, the card is in the user's hand. The moves they set going are steps.
bool UserMayMove(const Game& g);
void ClickCard(Game& g, int suit, int rank);
void PressDraw(Game& g);

}  // namespace zunpa
