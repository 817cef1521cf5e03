#pragma once
// One table: every piece of state of a running program, and the routines of
// the rules as functions over it. Tests and tools make as many as they like.

#include <array>
#include <functional>
#include <string>

#include "rules/display_model.h"
#include "rules/host.h"
#include "rules/options.h"
#include "rules/random_source.h"
#include "rules/records.h"
#include "rules/roles.h"
#include "rules/round_state.h"
#include "rules/scores.h"
#include "rules/seats.h"

namespace zunpa {

class PlayObserver;
class ProgramFolder;

// The program folder, and where the game keeps its data files.
struct FilesState {
  // Pictures, sounds and the manual; read only.
  std::string AppDir = ".";
  // The four data files; empty for the program folder itself.
  std::string DataDir;
  const std::string& DataFolder() const { return DataDir.empty() ? AppDir : DataDir; }
  // The data files kept there; none for a table without files.
  ProgramFolder* folder = nullptr;
  // A records write during play failed: the records on disk are behind
  // the ones in memory until a later write succeeds.
  bool recordsBehind = false;
  std::array<std::string, 10> HiScoreRows;
  std::string HiScoreName;
  // Today as yy/mm/dd; the local calendar unless a test sets a day.
  std::function<std::string()> today;
  bool SoundFilesPresent = false;
  // The machine has somewhere to play sound; without it the voices give
  // way to balloons, as with missing files, and nothing waits on a sound.
  bool SoundOutputPresent = true;
};

// Where the run of moves stands between steps.
struct FlowState {
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
  // The table's invariants are checked after every step: always in debug
  // builds, and wherever a tool asks for it.
#ifdef NDEBUG
  bool checkInvariants = false;
#else
  bool checkInvariants = true;
#endif
};

struct Game {
  explicit Game(Host& h) : host(&h) {}

  // The rule state, under the rules' own names.
  Roles roles;
  Options options;
  Seats seats;
  RoundState round;
  Scores scores;
  Records records;

  // Presentation: who is told, what the table shows.
  Host* host;
  PlayObserver* observer = nullptr;
  // False when nobody looks at the table (headless play): the display, the
  // call-outs, sounds, pauses and plain notices are skipped; questions are
  // still asked.
  bool watching = true;
  DisplayModel display;

  RandomSource random;
  FilesState files;
  FlowState flow;
};

}  // namespace zunpa
