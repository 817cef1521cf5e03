// Game numbers in the title and in the number dialog.

#include "ui_logic/game_number.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

TEST(GameNumberText, TheTitleShowsTheNumberOnceAGameHasOne) {
  EXPECT_EQ(WindowTitle(std::nullopt), "ズンパＳ");
  EXPECT_EQ(WindowTitle(123456), "ズンパＳ　ゲーム番号 123456");
  EXPECT_NE(GameNumberPrompt().find("1～999999999"), std::string::npos);
}

std::string ProblemWith(std::string_view text) {
  const auto read = ReadGameNumber(text);
  const Message* problem = std::get_if<Message>(&read);
  return problem ? problem->text : std::string();
}

TEST(GameNumberText, DigitsInRangeAreANumber) {
  EXPECT_EQ(std::get<std::uint64_t>(ReadGameNumber("1")), 1u);
  EXPECT_EQ(std::get<std::uint64_t>(ReadGameNumber("999999999")), 999999999u);
  EXPECT_EQ(std::get<std::uint64_t>(ReadGameNumber(" 000042 ")), 42u);
  EXPECT_EQ(std::get<std::uint64_t>(ReadGameNumber("１２３")), 123u);  // typed full-width
}

TEST(GameNumberText, AnythingElseIsToldClearly) {
  EXPECT_EQ(ProblemWith(""), "ゲーム番号を入力してください。");
  EXPECT_EQ(ProblemWith("   "), "ゲーム番号を入力してください。");
  for (std::string_view text : {"12a", "-5", "1.5", "１２ａ", "\xEF\xBC"})
    EXPECT_EQ(ProblemWith(text), "ゲーム番号は数字だけで入力してください。") << text;
  for (std::string_view text : {"0", "000", "1000000000", "99999999999999999999999"})
    EXPECT_EQ(ProblemWith(text), "ゲーム番号は1から999999999までです。") << text;
  const auto read = ReadGameNumber("0");
  EXPECT_EQ(std::get<Message>(read).icon, Icon::Exclamation);
  EXPECT_EQ(std::get<Message>(read).buttons, Buttons::Ok);
}

}  // namespace
}  // namespace zunpa::ui
