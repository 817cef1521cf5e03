#pragma once
// Plays the games of a run over worker threads. Game g is dealt from a seed
// derived from (seed, g) alone and the log is written in game order, so a
// run gives the same bytes whatever the number of threads.

#include <ostream>

#include "sim_options.h"
#include "sim_stats.h"

namespace zunpa::sim {

// WebAssembly built without threads plays every game on the calling thread;
// the games and their log are the same whatever the threads.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kHaveThreads = false;
#else
inline constexpr bool kHaveThreads = true;
#endif

// Plays the games; writes the log to `log` when it is not null.
RunStats RunGames(const SimOptions& options, std::ostream* log);
// Plays game `index` of a run, adding to `recorder`'s statistics.
class GameRecorder;
void PlayOneGame(const SimOptions& options, long index, GameRecorder& recorder, std::string* log);

}  // namespace zunpa::sim
