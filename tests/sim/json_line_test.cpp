// The log's line writer: numbers at their extremes, the comma rule through
// empty and nested arrays, lines longer than its buffer, and lines that add
// to a log without touching what it already holds.

#include "json_line.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace zunpa::sim {
namespace {

TEST(JsonLine, NumbersKeepTheirSignAndEveryDigit) {
  std::string log;
  JsonLine(log, "n").Int("zero", 0).Int("points", -12345).Int("min", LLONG_MIN).Int("max", LLONG_MAX).End();
  EXPECT_EQ(log,
            "{\"ev\":\"n\",\"zero\":0,\"points\":-12345,\"min\":-9223372036854775808,\"max\":9223372036854775807}\n");

  log.clear();
  JsonLine(log, "a").Ints("points", std::array<int, 4>{-1260, 41, INT_MIN, 0}).End();
  EXPECT_EQ(log, "{\"ev\":\"a\",\"points\":[-1260,41,-2147483648,0]}\n");
}

TEST(JsonLine, CommasOnlyBetweenNeighbours) {
  std::string log;
  // Empty arrays under keys, with fields on both sides of them.
  JsonLine(log, "zunpa")
      .Open("callers")
      .Close()
      .Bool("passed", true)
      .Null("winner")
      .Ints("losers", std::vector<int>{})
      .End();
  EXPECT_EQ(log, "{\"ev\":\"zunpa\",\"callers\":[],\"passed\":true,\"winner\":null,\"losers\":[]}\n");

  // Arrays inside an array, empty ones among them, then a field after.
  log.clear();
  JsonLine line(log, "deal");
  line.Open("hands").Ints(std::vector<int>{}).Ints(std::array<int, 2>{101, 413}).Ints(std::vector<int>{});
  line.Open().Item(7).Close().Close().Bool("after", false).End();
  EXPECT_EQ(log, "{\"ev\":\"deal\",\"hands\":[[],[101,413],[],[7]],\"after\":false}\n");

  // Texts in an array and as fields.
  log.clear();
  JsonLine(log, "game").Open("players").TextItem("ｱｶﾞﾘｰﾀ").TextItem("").Close().Text("q", "ok").End();
  EXPECT_EQ(log, "{\"ev\":\"game\",\"players\":[\"ｱｶﾞﾘｰﾀ\",\"\"],\"q\":\"ok\"}\n");
}

TEST(JsonLine, LongLinesComeOutWhole) {
  // A line is staged on the stack: wherever its fields meet the end of that
  // room, and however long a name, the line comes out as one piece. The
  // expected text is built the slow way, a piece at a time.
  std::vector<long long> codes;
  for (long long c = 101; c <= 250; ++c)
    codes.push_back(c % 3 ? c : -c);
  codes.push_back(LLONG_MIN);
  std::string items;
  for (long long c : codes)
    items += (items.empty() ? "" : ",") + std::to_string(c);

  for (std::size_t length = 0; length < 1200; ++length) {
    const std::string name(length, 'x');
    std::string log;
    JsonLine(log, "game").Text("name", name).Ints("stock", codes).Bool("taken", true).Null("winner").End();
    ASSERT_EQ(log,
              "{\"ev\":\"game\",\"name\":\"" + name + "\",\"stock\":[" + items + "],\"taken\":true,\"winner\":null}\n")
        << "name of " << length << " bytes";
  }
}

TEST(JsonLine, LinesAddToTheLogAsItIs) {
  // The runner clears a game's log and keeps its room: lines go after what
  // is there, one to a line, whatever room was kept.
  std::string log = "{\"ev\":\"open\",\"card\":409}\n";
  log.reserve(1000);
  JsonLine(log, "play").Int("seat", 4).Int("card", 205).End();
  JsonLine(log, "stalled").End();
  EXPECT_EQ(log, "{\"ev\":\"open\",\"card\":409}\n{\"ev\":\"play\",\"seat\":4,\"card\":205}\n{\"ev\":\"stalled\"}\n");
}

}  // namespace
}  // namespace zunpa::sim
