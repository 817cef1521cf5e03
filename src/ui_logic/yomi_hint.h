#pragma once
// 読み's advice as the table shows it: a ring on the engine's choice, and
// beside each card that may be played and めくる what it is worth, so the
// user sees how close the choices are; for a question, one line that
// weighs its answers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/questions.h"
#include "analysis/yomi.h"
#include "rules/game.h"
#include "rules/host.h"
#include "ui_logic/key_focus.h"

namespace zunpa::ui {

struct WorthTag {
  FocusStop stop;
  std::string text;  // "+12", "-3"
  bool best = false;
};

struct YomiHint {
  std::optional<FocusStop> best;
  std::vector<WorthTag> tags;
};

// The same table always gets the same advice, in the window and in the
// page alike: the seed comes from where the game stands.
std::uint64_t HintSeed(const Game& g);

// Points as the tags show them: whole, signed.
std::string PointsText(double points);
YomiHint HintOf(const Advice& advice);

// "読み：する +120 ／ しない +30"; the engine's choice first.
std::string AdviceLine(Question q, const Advice& advice);
// The table at a decision, as ふりかえり lists it: the pile's top, the
// hand, and the question if it was one.
std::string SituationText(const RoundState& r, Question q);
// What a choice of a question says, in the words of its answer.
std::string ChoiceWords(Question q, const Choice& c);

}  // namespace zunpa::ui
