#pragma once
// A game with the random user at seat 4, played as the window plays it:
// through the session's new-game command, the user's clicks and the
// computer steps after them.

#include <string>

#include "sim_options.h"

namespace zunpa::sim {

class GameRecorder;
void PlayGameWithRandomUser(const SimOptions& options, long index, GameRecorder& recorder, std::string* log);

}  // namespace zunpa::sim
