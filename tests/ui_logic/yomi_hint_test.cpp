#include "ui_logic/yomi_hint.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

Advice AdviceOf(std::initializer_list<ChoiceWorth> worths, int best) {
  Advice a;
  for (const ChoiceWorth& w : worths)
    a.worths[static_cast<std::size_t>(a.count++)] = w;
  a.best = best;
  return a;
}

// The ring goes on the engine's choice; every choice shows its worth,
// whole and signed, unless there was nothing to choose.
TEST(YomiHint, RingsTheChoiceAndTagsEveryWorth) {
  const Advice three =
      AdviceOf({{{Choice::Kind::Play, 209}, 12.4}, {{Choice::Kind::Play, 309}, -3.6}, {{Choice::Kind::Draw}, 0.2}}, 0);
  const YomiHint hint = HintOf(three);
  EXPECT_EQ(hint.best, (FocusStop{false, 209}));
  ASSERT_EQ(hint.tags.size(), 3u);
  EXPECT_EQ(hint.tags[0].text, "+12");
  EXPECT_TRUE(hint.tags[0].best);
  EXPECT_EQ(hint.tags[1].text, "-4");
  EXPECT_EQ(hint.tags[2].stop, (FocusStop{true, 0}));
  EXPECT_EQ(hint.tags[2].text, "0");

  const YomiHint forced = HintOf(AdviceOf({{{Choice::Kind::Draw}, 0}}, 0));
  EXPECT_EQ(forced.best, (FocusStop{true, 0}));
  EXPECT_TRUE(forced.tags.empty());
  EXPECT_FALSE(HintOf(Advice{}).best);
}

// A question's line puts the better answer first, in the answers' words.
TEST(YomiHint, AQuestionsLineWeighsItsAnswers) {
  EXPECT_EQ(zunpa::QuestionOf({"ズンパできます。しますか？", "ズンパＳ", Buttons::YesNo, Icon::None, Asked::Zunpa}),
            Question::Zunpa);
  EXPECT_EQ(
      zunpa::QuestionOf({"ズンパ返しできます。しますか？", "ズンパＳ", Buttons::YesNo, Icon::None, Asked::Counter}),
      Question::Counter);
  EXPECT_EQ(
      zunpa::QuestionOf({"２が3枚あります。出しますか？", "ズンパＳ", Buttons::YesNo, Icon::None, Asked::PlayTwo}),
      Question::DrawTwo);
  EXPECT_EQ(
      zunpa::QuestionOf({"ハートの２を出しますか？", "ズンパＳ", Buttons::YesNo, Icon::None, Asked::TwoOfSuit, 2}),
      Question::DrawTwo);
  EXPECT_FALSE(zunpa::QuestionOf({"リセットしますか？", "ズンパＳ", Buttons::YesNo, Icon::None, Asked::Reset}));
  EXPECT_FALSE(zunpa::QuestionOf({"ダブルズンパです。", "ズンパＳ", Buttons::Ok}));

  const Advice call = AdviceOf({{{Choice::Kind::Call}, 30}, {{Choice::Kind::Pass}, 120}}, 1);
  EXPECT_EQ(AdviceLine(Question::Zunpa, call), "読み：しない +120 ／ ズンパする +30");
  const Advice two = AdviceOf({{{Choice::Kind::Play, 202}, -5}, {{Choice::Kind::Penalty}, -20}}, 0);
  EXPECT_EQ(AdviceLine(Question::DrawTwo, two), "読み：ハートの2を出す -5 ／ めくる -20");
}

}  // namespace
}  // namespace zunpa::ui
