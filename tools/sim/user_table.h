#pragma once
// A game with the random user at seat 4, played as the window plays it:
// through the session's new-game command, the user's clicks and the
// computer steps after them.

#include <memory>
#include <string>
#include <vector>

#include "session/decision_log.h"
#include "sim_options.h"

namespace zunpa::sim {

using DecisionList = std::vector<std::shared_ptr<const UserDecision>>;

class GameRecorder;
void PlayGameWithRandomUser(const SimOptions& options, long index, GameRecorder& recorder, std::string* log);
// The same with 読み at seat 4; `decisions`, when given, receives the
// user's decisions as the session kept them for ふりかえり.
void PlayGameWithYomi(const SimOptions& options, long index, GameRecorder& recorder, std::string* log,
                      DecisionList* decisions = nullptr);

}  // namespace zunpa::sim
