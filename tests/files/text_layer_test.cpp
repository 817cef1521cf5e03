#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

#include "files/cp932_text.h"
#include "files/data_items.h"
#include "files/safe_file.h"
#include "folder_fixture.h"
#include "rules/decimal_text.h"

namespace zunpa::testing {
namespace {

TEST(Cp932Text, WhatTheFilesCannotHoldIsReplacedSoItReadsBackAsWritten) {
  EXPECT_EQ(SanitizeForCp932("ｱｶﾞﾘｰﾀ～①髙"), "ｱｶﾞﾘｰﾀ～①髙");
  EXPECT_EQ(SanitizeForCp932("say \"hi\""), "say ”hi”");
  EXPECT_EQ(SanitizeForCp932("a\r\nb\tc"), "a  b c");
  EXPECT_EQ(SanitizeForCp932("é😀x"), "??x");
  for (std::string text : {"say \"hi\"", "é😀", "つばめ,二号", "a\nb"}) {
    const std::string sanitized = SanitizeForCp932(text);
    const auto bytes = EncodeCp932Lines({QuotedText(text)});
    ASSERT_TRUE(bytes);
    const DecodedLines back = DecodeCp932Lines(*bytes);
    ASSERT_EQ(back.lines.size(), 1u);
    EXPECT_FALSE(back.fault);
    EXPECT_EQ(back.lines[0], "\"" + sanitized + "\"");
  }
}

TEST(Cp932Text, LinesAreDecodedStrictly) {
  EXPECT_EQ(DecodeCp932Lines("a\r\nb\nc").lines, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(DecodeCp932Lines("\xb1\xb6\r\n").lines, std::vector<std::string>{"ｱｶ"});
  const DecodedLines nul = DecodeCp932Lines(std::string("ok\r\nbad\0x\r\n", 12));
  EXPECT_TRUE(nul.fault);
  EXPECT_EQ(nul.lines, std::vector<std::string>{"ok"});
  EXPECT_TRUE(DecodeCp932Lines("\x82\xff\r\n").fault);  // not a CP932 pair
  EXPECT_TRUE(DecodeCp932Lines("abc\x82").fault);       // cut off inside a pair
  EXPECT_TRUE(DecodeCp932Lines(std::string(kMaxLineBytes + 1, 'x')).fault);
  EXPECT_FALSE(DecodeCp932Lines(std::string(kMaxLineBytes, 'x')).fault);
}

TEST(Cp932Text, FilesAreFoundOnlyByTheirExactNameAndReadOnlyUpToTheLimit) {
  TemporaryFolder dir;
  const std::string folder = dir.path();
  WriteBytes(PathInFolder(folder, "Score.DAT"), "x");
  EXPECT_FALSE(FileExistsExactly(folder, "score.dat"));
  EXPECT_TRUE(FileExistsExactly(folder, "Score.DAT"));
  WriteBytes(PathInFolder(folder, "big"), std::string(kMaxDataFileBytes + 1, 'a'));
  EXPECT_FALSE(ReadBoundedFile(PathInFolder(folder, "big")));
  EXPECT_FALSE(ReadBoundedFile(PathInFolder(folder, "missing")));
  EXPECT_EQ(PathInFolder("/", "a"), "/a");
  EXPECT_EQ(PathInFolder("/x/", "a"), "/x/a");
}

TEST(DataItems, QuotedTextsMayHoldCommas) {
  const auto items = SplitDataItems("\"a,b\",12,#TRUE#,\"\",8.25");
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 5u);
  EXPECT_EQ(*TextItem((*items)[0]), "a,b");
  EXPECT_EQ(*IntegerItem((*items)[1], 0, 20), 12);
  EXPECT_FALSE(IntegerItem((*items)[1], 0, 11));
  EXPECT_TRUE(*BooleanItem((*items)[2]));
  EXPECT_EQ(*TextItem((*items)[3]), "");
  EXPECT_EQ(*DecimalItem((*items)[4]), 8.25);
  EXPECT_FALSE(SplitDataItems("\"open"));
  EXPECT_FALSE(SplitDataItems("\"a\"b"));
  EXPECT_FALSE(DecimalItem({"1e3", false}));
  EXPECT_FALSE(IntegerItem({"12", true}, 0, 20));
  EXPECT_FALSE(TextItem({"12", false}));
}

TEST(DataItems, DecimalsAreWrittenWithoutTrailingZeros) {
  EXPECT_EQ(DecimalText(9), "9");
  EXPECT_EQ(DecimalText(8.25), "8.25");
  EXPECT_EQ(DecimalText(-252), "-252");
  EXPECT_EQ(DecimalText(-0.0), "0");
  EXPECT_EQ(DecimalText(10.5), "10.5");
}

// The game's own decimal texts, for libraries without floating-point
// from_chars and to_chars, against this library's.
TEST(DataItems, DecimalTextsAreReadAndWrittenAsCharconvDoes) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "libc++ 13 has no floating-point to_chars and from_chars to compare with";
#else
  std::vector<double> values = {0.0,
                                9,
                                8.25,
                                252,
                                10.5,
                                0.1,
                                0.3,
                                1.0 / 3,
                                123456.789,
                                1e22,
                                1e23,
                                5e-324,
                                1e-310,
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::max()};
  // Powers of two, where the gap below is half the gap above.
  for (int k = -1074; k <= 1023; k += 3)
    values.push_back(std::ldexp(1.0, k));
  for (std::size_t i = 0, n = values.size(); i < n; ++i)
    values.insert(values.end(), {-values[i], std::nextafter(values[i], 0.0)});
  for (double value : values) {
    char text[1200];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    ASSERT_EQ(ShortestFixedText(value), std::string(text, end)) << value;
  }
  const std::string tiny = "0." + std::string(400, '0') + "1", huge = "1" + std::string(400, '0');
  for (const std::string text : {"1",
                                 "-1",
                                 "1.",
                                 ".5",
                                 "-.5",
                                 ".",
                                 "-",
                                 "",
                                 "-0",
                                 "00012.50",
                                 "1e5",
                                 "1E-5",
                                 "1e+5",
                                 "1e",
                                 "1e+",
                                 "+1",
                                 " 1",
                                 "1 ",
                                 "1..2",
                                 "--1",
                                 "1,5",
                                 "0x1p3",
                                 "inf",
                                 "-Infinity",
                                 "infin",
                                 "nan",
                                 "nan(abc_1)",
                                 "nan(",
                                 "2e-324",
                                 "3e-324",
                                 "1e-310",
                                 "1.7976931348623157e308",
                                 "1.7976931348623159e308",
                                 "0e99999",
                                 "1e-99999",
                                 "9007199254740993",
                                 tiny.c_str(),
                                 huge.c_str()})
    for (const auto format : {std::chars_format::fixed, std::chars_format::general}) {
      double expected = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected, format);
      const auto read =
          ReadDecimal(text, format == std::chars_format::fixed ? DecimalForm::kFixed : DecimalForm::kGeneral);
      ASSERT_EQ(read.has_value(), error == std::errc() && end == text.data() + text.size()) << text;
      if (!read) continue;
      EXPECT_TRUE(std::isnan(expected) ? std::isnan(*read) : *read == expected) << text;
      EXPECT_EQ(std::signbit(*read), std::signbit(expected)) << text;
    }
#endif
}

}  // namespace
}  // namespace zunpa::testing
