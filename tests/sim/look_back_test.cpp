// ふりかえり, from the decisions a session kept of a game 読み played.

#include "session/look_back.h"

#include <gtest/gtest.h>

#include "game_recorder.h"
#include "user_table.h"

namespace zunpa {
namespace {

// A choice's worth as a well-informed look decides it.
Advice Weigh(const UserDecision& d, int samples) {
  YomiSettings settings;
  settings.samples = samples;
  return Analyse(d.input, d.question, settings, 11);
}

// The game's decisions with some of them replaced: where the choices lie
// far apart, the worst one or the best one, in turn.
TEST(LookBack, NamesTheDecisionsWhereAClearlyBetterChoiceWasOpen) {
  sim::SimOptions o;
  o.seed = 3;
  o.players = {Character::Agarita, Character::TrickUme, Character::KiOokuman, Character::KiOokuman};
  o.yomiUser = true;
  o.yomiSamples = 16;
  sim::GameRecorder recorder;
  sim::DecisionList played;
  sim::PlayGameWithYomi(o, 0, recorder, nullptr, &played);
  ASSERT_GT(played.size(), 100u);

  constexpr int kSamples = 512;
  constexpr double kFarApart = 60;
  sim::DecisionList changed;
  std::vector<bool> madeWorse;
  for (const auto& d : played) {
    std::array<Choice, Advice::kMost> open{};
    const int n = ChoicesAt(d->input, d->question, open);
    ASSERT_TRUE(std::find(open.begin(), open.begin() + n, d->chosen) != open.begin() + n);  // kept as made
    const Advice advice = Weigh(*d, kSamples);
    if (advice.count < 2) continue;
    const auto worst = std::min_element(advice.worths.begin(), advice.worths.begin() + advice.count,
                                        [](const auto& a, const auto& b) { return a.points < b.points; });
    if (advice.Best()->points - worst->points < kFarApart) continue;
    auto copy = std::make_shared<UserDecision>(*d);
    madeWorse.push_back(changed.size() % 2 == 0);
    copy->chosen = madeWorse.back() ? worst->choice : advice.Best()->choice;
    changed.push_back(copy);
  }
  ASSERT_GE(changed.size(), 4u);

  YomiSettings settings;
  settings.samples = kSamples;
  const std::vector<Regret> regrets = LookBack(changed, settings);
  for (std::size_t k = 0; k < changed.size(); ++k) {
    const auto found =
        std::find_if(regrets.begin(), regrets.end(), [&](const Regret& r) { return r.decision == changed[k]; });
    EXPECT_EQ(found != regrets.end(), madeWorse[k]) << k;
    if (found != regrets.end()) {
      EXPECT_EQ(found->chosen.choice, changed[k]->chosen);
      EXPECT_GE(found->Difference(), kClearlyMore);
    }
  }
  std::atomic<bool> cancelled{true};
  EXPECT_TRUE(LookBack(changed, settings, &cancelled).empty());
}

}  // namespace
}  // namespace zunpa
