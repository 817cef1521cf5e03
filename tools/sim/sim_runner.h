#pragma once
// Plays the games of a run over worker threads. Game g is dealt from a seed
// derived from (seed, g) alone and the log is written in game order, so a
// run gives the same bytes whatever the number of threads.

#include <ostream>

#include "sim_options.h"
#include "sim_stats.h"

namespace zunpa::sim {

// Plays the games; writes the log to `log` when it is not null.
RunStats RunGames(const SimOptions& options, std::ostream* log);
// Plays game `index` of a run, adding to `recorder`'s statistics.
class GameRecorder;
void PlayOneGame(const SimOptions& options, long index, GameRecorder& recorder, std::string* log);

}  // namespace zunpa::sim
