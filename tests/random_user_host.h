#pragma once
// A user who clicks at random, answers at random and picks random suits,
// for tests that play whole games through the rules.

#include <random>

#include "flow/turn_cycle.h"
#include "scripted_host.h"

namespace zunpa::testing {

class RandomUser : public ScriptedHost {
 public:
  explicit RandomUser(unsigned seed) : rng_(seed) { strict = false; }
  Answer ShowMessage(const Message& m) override {
    if (m.buttons == Buttons::YesNo) answers.push_back(rng_() % 2 ? Answer::Yes : Answer::No);
    const Answer a = ScriptedHost::ShowMessage(m);
    events.clear();
    return a;
  }
  SuitChoice ChooseSuit(const SuitChoice& suggestion) override {
    return {static_cast<int>(rng_() % 4), suggestion.autoDetect};
  }
  // One move of the user's, then every step up to the next.
  void Act(Game& g) {
    events.clear();
    const Hand& hand = g.round.HandOf(4);
    if (hand.empty() || rng_() % 4 == 0) {
      PressDraw(g);
    } else {
      const int code = hand[static_cast<int>(rng_() % hand.size())];
      ClickCard(g, SuitOfCode(code), RankOfCode(code));
    }
    RunSteps(g);
  }

 private:
  std::mt19937 rng_;
};

}  // namespace zunpa::testing
