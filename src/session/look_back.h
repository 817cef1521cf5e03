#pragma once
// ふりかえり: the user's decisions where 読み's choice was worth clearly
// more than the one made, weighed afterwards from the game as played.

#include <atomic>
#include <memory>
#include <vector>

#include "analysis/yomi.h"
#include "session/decision_log.h"

namespace zunpa {

struct Regret {
  std::shared_ptr<const UserDecision> decision;
  ChoiceWorth chosen;
  ChoiceWorth preferred;
  double Difference() const { return preferred.points - chosen.points; }
};

// Points by which the engine's choice must beat the user's to be shown.
inline constexpr double kClearlyMore = 10;

// In the order played; empty when cancelled.
std::vector<Regret> LookBack(const std::vector<std::shared_ptr<const UserDecision>>& decisions,
                             const YomiSettings& settings, const std::atomic<bool>* cancel = nullptr);

}  // namespace zunpa
