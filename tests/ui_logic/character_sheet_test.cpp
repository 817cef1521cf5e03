// The character sheet's grid: the quotients, their patterns and rounding,
// and the headers.

#include "ui_logic/character_sheet.h"

#include <gtest/gtest.h>

#include "rules/characters.h"

namespace zunpa::ui {
namespace {

constexpr int kAverage = 6, kWinRate = 7, kOutRate = 8, kZunpaRate = 9, kHitRate = 10, kGameAverage = 12;

TEST(FormatQuotient, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatQuotient(1, 4, 1), "0.3");
  EXPECT_EQ(FormatQuotient(-1, 4, 1), "-0.3");
  EXPECT_EQ(FormatQuotient(1, 8, 2), "0.13");
  EXPECT_EQ(FormatQuotient(1, 16, 3), "0.063");
  EXPECT_EQ(FormatQuotient(5, 2, 0), "3");
  EXPECT_EQ(FormatQuotient(-5, 2, 0), "-3");
}

TEST(FormatQuotient, KeepsTrailingAndLeadingZerosOfThePattern) {
  EXPECT_EQ(FormatQuotient(1, 1, 3), "1.000");
  EXPECT_EQ(FormatQuotient(1, 100, 3), "0.010");
  EXPECT_EQ(FormatQuotient(7, 3, 1), "2.3");
  EXPECT_EQ(FormatQuotient(2000, 3, 0), "667");
}

TEST(FormatQuotient, ZeroDivisorAndTinyNegativesShowAPlainZero) {
  EXPECT_EQ(FormatQuotient(5, 0, 3), "0.000");
  EXPECT_EQ(FormatQuotient(-1, 100, 1), "0.0");
}

TEST(FormatQuotient, HoldsTheWholeCounterRange) {
  EXPECT_EQ(FormatQuotient(2147483647, 1, 3), "2147483647.000");
  EXPECT_EQ(FormatQuotient(-2147483647 - 1, 1, 1), "-2147483648.0");
}

TEST(CharacterSheet, PlayerWithoutRoundsShowsZerosInEachPattern) {
  const CharacterSheet sheet = BuildCharacterSheet(Records{}, "me");
  for (int slot = 0; slot < kRecordSlots; ++slot) {
    for (int row = 0; row <= 5; ++row)
      EXPECT_EQ(sheet.values[slot][row], "0");
    EXPECT_EQ(sheet.values[slot][kAverage], "0.0");
    for (int row = kWinRate; row <= kHitRate; ++row)
      EXPECT_EQ(sheet.values[slot][row], "0.000");
    EXPECT_EQ(sheet.values[slot][kGameAverage], "0");
  }
}

TEST(CharacterSheet, RatesOfWinsAndOfRoundsUseTheirOwnDivisors) {
  Records r;
  const int slot = 2;
  r.Add(slot, RecRounds, 8);
  r.Add(slot, RecRoundPoints, 2);
  r.Add(slot, RecWins, 3);
  r.Add(slot, RecOutWins, 1);
  r.Add(slot, RecZunpaWins, 2);
  r.Add(slot, RecZunpaLosses, 1);
  const CharacterSheet sheet = BuildCharacterSheet(r, "");
  EXPECT_EQ(sheet.values[slot][kAverage], "0.3");  // 2 over 8 is 0.25
  EXPECT_EQ(sheet.values[slot][kWinRate], "0.375");
  EXPECT_EQ(sheet.values[slot][kOutRate], "0.333");
  EXPECT_EQ(sheet.values[slot][kZunpaRate], "0.667");
  EXPECT_EQ(sheet.values[slot][kHitRate], "0.125");
  EXPECT_EQ(sheet.values[slot + 1][kWinRate], "0.000");  // the neighbours are untouched
}

TEST(CharacterSheet, RoundsButNoWinsShowZeroWinRatesAndARealHitRate) {
  Records r;
  r.Add(kUserSlot, RecRounds, 3);
  r.Add(kUserSlot, RecZunpaLosses, 2);
  const CharacterSheet sheet = BuildCharacterSheet(r, "me");
  for (int row : {kWinRate, kOutRate, kZunpaRate})
    EXPECT_EQ(sheet.values[kUserSlot][row], "0.000");
  EXPECT_EQ(sheet.values[kUserSlot][kHitRate], "0.667");
}

TEST(CharacterSheet, GamesAverageAndPlainCountersShowTheirValues) {
  Records r;
  r.Add(0, RecGames, 3);
  r.Add(0, RecGamePoints, -1000);
  r.Add(0, RecFirsts, 2);
  r.Add(0, RecThousandGames, 1);
  const CharacterSheet sheet = BuildCharacterSheet(r, "me");
  EXPECT_EQ(sheet.values[0][11], "3");
  EXPECT_EQ(sheet.values[0][kGameAverage], "-333");
  EXPECT_EQ(sheet.values[0][13], "2");
  EXPECT_EQ(sheet.values[0][18], "1");
}

TEST(CharacterSheet, HeadersSplitTheNamesAfterTheFourthCharacter) {
  const CharacterSheet sheet = BuildCharacterSheet(Records{}, "たろう");
  for (int c = 0; c < kCharacterCount; ++c) {
    EXPECT_EQ(sheet.headers[2 * c + 1] + sheet.headers[2 * c + 2], kCharacterNames[c]);
    EXPECT_FALSE(sheet.headers[2 * c + 1].empty());
  }
  EXPECT_EQ(sheet.headers[1], "ｱｶﾞﾘ");  // the voiced mark counts as a character
  EXPECT_EQ(sheet.headers[2], "ｰﾀ");
  EXPECT_EQ(sheet.headers[13], "たろう");
  EXPECT_EQ(sheet.headers[14], "");
  EXPECT_EQ(sheet.entries[7], "たろう");
}

TEST(CharacterSheet, EmptyUserNameReadsYou) {
  const CharacterSheet sheet = BuildCharacterSheet(Records{}, "");
  EXPECT_EQ(sheet.headers[13], "You");
  EXPECT_EQ(sheet.entries[7], "You");
}

TEST(CharacterSheet, EntriesAreTheGeneralTextTheCastAndTheUser) {
  const CharacterSheet sheet = BuildCharacterSheet(Records{}, "me");
  EXPECT_EQ(sheet.entries[0], "全般説明");
  for (int c = 0; c < kCharacterCount; ++c)
    EXPECT_EQ(sheet.entries[c + 1], kCharacterNames[c]);
}

TEST(CharacterSheet, EveryEntryHasADescriptionAndNothingBeyondThem) {
  for (int e = 0; e < kSheetEntries; ++e)
    EXPECT_FALSE(DescriptionOf(e)[0].empty()) << e;
  for (std::string_view line : DescriptionOf(kSheetEntries))
    EXPECT_TRUE(line.empty());
  EXPECT_EQ(DescriptionOf(7)[0], "あなたです・・・。");
}

TEST(CharacterSheet, RowCaptionsAreAllThere) {
  const CharacterSheet sheet = BuildCharacterSheet(Records{}, "me");
  for (std::string_view caption : sheet.rowCaptions)
    EXPECT_FALSE(caption.empty());
  EXPECT_EQ(sheet.rowCaptions[kHitRate], "被ズンパ率");
}

}  // namespace
}  // namespace zunpa::ui
