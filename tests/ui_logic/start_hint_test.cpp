#include "ui_logic/start_hint.h"

#include <gtest/gtest.h>

namespace zunpa::ui {
namespace {

TEST(StartHint, TellsHowToBeginUntilTheFirstCardIsDealt) {
  DisplayModel d;
  EXPECT_NE(StartHint(d).find("F2"), std::string::npos);
  d.Card(2, 10).visible = true;  // dealt; the start player's message is still up
  EXPECT_EQ(StartHint(d), "");
}

}  // namespace
}  // namespace zunpa::ui
