// The per-user store's yes/no value: only a clear "no" keeps the score
// table out of the front.

#include "ui_logic/stored_flag.h"

#include <gtest/gtest.h>

#include <optional>

namespace zunpa::ui {
namespace {

TEST(StoredFlag, AbsentCountsAsTrue) {
  EXPECT_TRUE(StoredFlagOrTrue(std::nullopt));
}

TEST(StoredFlag, FalseInAnyCaseAndZeroAreFalse) {
  for (const char* text : {"False", "false", "FALSE", "0", " false ", "0.0"})
    EXPECT_FALSE(StoredFlagOrTrue(text)) << '"' << text << '"';
}

TEST(StoredFlag, TrueAndNonZeroNumbersAreTrue) {
  for (const char* text : {"True", "true", "-1", "1", "2.5"})
    EXPECT_TRUE(StoredFlagOrTrue(text)) << '"' << text << '"';
}

TEST(StoredFlag, AnythingElseCountsAsTrue) {
  for (const char* text : {"garbage", "", "   ", "0x", "falsely", "no", "0 0"})
    EXPECT_TRUE(StoredFlagOrTrue(text)) << '"' << text << '"';
}

}  // namespace
}  // namespace zunpa::ui
