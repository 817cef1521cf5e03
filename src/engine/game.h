#pragma once
// One table: every piece of state of a running program, and the routines of
// the rules as functions over it. Tests and tools make as many as they like.

#include <array>
#include <functional>
#include <string>

#include "engine/display_model.h"
#include "engine/options.h"
#include "engine/roles.h"
#include "engine/round_state.h"
#include "engine/seats.h"
#include "platform/host.h"
#include "platform/random_source.h"
#include "scoring/records.h"
#include "scoring/scores.h"

namespace zunpa {

class PlayObserver;

struct Game {
  explicit Game(Host& h) : host(&h) {}

  Host* host;
  PlayObserver* observer = nullptr;
  RandomSource random;
  // False when nobody looks at the table (headless play): the display, the
  // call-outs, sounds, pauses and plain notices are skipped; questions are
  // still asked.
  bool watching = true;

  std::string AppDir = ".";
  // Whether the data files of the program folder are read and written.
  bool keepsFiles = false;
  // A records write during play failed: the records on disk are behind
  // the ones in memory until a later write succeeds.
  bool recordsBehind = false;
  std::array<std::string, 10> HiScoreRows;
  std::string HiScoreName;
  // Today as yy/mm/dd; the local calendar unless a test sets a day.
  std::function<std::string()> today;
  bool SoundFilesPresent = false;
  Roles roles;
  Options options;
  Seats seats;
  RoundState round;
  Scores scores;
  Records records;
  DisplayModel display;

  // The seat whose move comes next once the current move is over, and
  // whether a skip passed over the seat before it.
  int pendingSeat = 0;
  bool pendingBySkip = false;
  // Whose move the user's controls are unlocked for; false while locked.
  bool humanInputOpen = false;
  // Draw context for the move log.
  bool penaltyDrawing = false;
  // A safety cap on the moves (plays and draws) of one round (0: none). A
  // round that reaches it is abandoned and dealt again, and counted in
  // stalledRounds.
  int maxMovesPerRound = 0;
  int movesThisRound = 0;
  long stalledRounds = 0;
};

}  // namespace zunpa
