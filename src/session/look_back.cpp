#include "session/look_back.h"

#include "rules/random_source.h"

namespace zunpa {

std::vector<Regret> LookBack(const std::vector<std::shared_ptr<const UserDecision>>& decisions,
                             const YomiSettings& settings, const std::atomic<bool>* cancel) {
  std::vector<Regret> regrets;
  std::uint64_t index = 0;
  for (const auto& d : decisions) {
    const Advice advice = Analyse(d->input, d->question, settings, DeriveSeed(0x66757269, ++index), cancel);
    if (advice.cancelled) return {};
    const ChoiceWorth* best = advice.Best();
    const ChoiceWorth* chosen = advice.Find(d->chosen);
    if (!best || !chosen || best->points - chosen->points < kClearlyMore) continue;
    regrets.push_back({d, *chosen, *best});
  }
  return regrets;
}

}  // namespace zunpa
