// The player selection: who moves where, which buttons work, and what OK
// and Cancel hand back to the new game.

#include "ui_logic/player_selection.h"

#include <gtest/gtest.h>

#include "files/cp932_text.h"
#include "rules/characters.h"

namespace zunpa::ui {
namespace {

std::string Name(Character c) {
  return std::string(NameOf(c));
}

SeatSetup DefaultSeats() {
  return {{Name(Character::Agarita), Name(Character::Ukkari), Name(Character::Neutora), "Your Name"}, 1};
}

std::string Unchanged(std::string_view text) {
  return std::string(text);
}

TEST(PlayerSelection, OpensWithTheOthersOnTheLeftInCastOrder) {
  const SeatSetup seats{{Name(Character::KiOokuman), Name(Character::Agarita), Name(Character::Zunpasky), "me"}, 2};
  const PlayerSelection s = OpenPlayerSelection(seats);
  EXPECT_EQ(s.in, (std::vector<std::string>{Name(Character::KiOokuman), Name(Character::Agarita),
                                            Name(Character::Zunpasky)}));
  EXPECT_EQ(s.out,
            (std::vector<std::string>{Name(Character::Ukkari), Name(Character::Neutora), Name(Character::TrickUme)}));
  EXPECT_EQ(s.name, "me");
  EXPECT_EQ(s.sex, 2);
  const SelectionButtons b = ButtonsOf(s);
  EXPECT_FALSE(b.moveIn);
  EXPECT_TRUE(b.moveOut);
  EXPECT_TRUE(b.ok);
}

TEST(PlayerSelection, AllOutDisablesOkAndLeftArrowAndOneBackEnablesBothArrows) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  for (int i = 0; i < 3; ++i)
    MoveOut(s, 0);
  EXPECT_TRUE(s.in.empty());
  EXPECT_EQ(s.out.size(), 6u);
  SelectionButtons b = ButtonsOf(s);
  EXPECT_TRUE(b.moveIn);
  EXPECT_FALSE(b.moveOut || b.ok);

  MoveOut(s, 0);  // the disabled button does nothing
  EXPECT_EQ(s.out.size(), 6u);

  MoveIn(s, 0);
  b = ButtonsOf(s);
  EXPECT_TRUE(b.moveIn && b.moveOut);
  EXPECT_FALSE(b.ok);
  MoveIn(s, 0);
  EXPECT_FALSE(ButtonsOf(s).ok);
  MoveIn(s, 0);
  EXPECT_TRUE(ButtonsOf(s).ok);
}

TEST(PlayerSelection, MovesAppendAtTheEndAndKeepTheRestInOrder) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  ClickInList(s, 1);   // ｳｯｶﾘﾊﾁﾍﾞｴ out, after the three already there
  ClickOutList(s, 0);  // ﾄﾘｯｸ･ｳﾒ in, last seat
  EXPECT_EQ(s.in,
            (std::vector<std::string>{Name(Character::Agarita), Name(Character::Neutora), Name(Character::TrickUme)}));
  EXPECT_EQ(s.out,
            (std::vector<std::string>{Name(Character::Zunpasky), Name(Character::KiOokuman), Name(Character::Ukkari)}));
}

TEST(PlayerSelection, ClickOnTheLeftWithThreeChosenDoesNothing) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  const PlayerSelection before = s;
  ClickOutList(s, 0);
  EXPECT_EQ(s.in, before.in);
  EXPECT_EQ(s.out, before.out);
}

TEST(PlayerSelection, ClickBesideTheEntriesDoesNothing) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  ClickInList(s, -1);
  ClickInList(s, 3);
  EXPECT_EQ(s.in.size(), 3u);
}

TEST(PlayerSelection, OkWritesTheSeatsInTheRightListsOrder) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  MoveOut(s, 0);
  MoveIn(s, 1);  // ｽﾞﾝﾊﾟｽｷｲ, after ﾄﾘｯｸ･ｳﾒ on the left
  s.name = "たろう";
  s.sex = 0;
  const SelectionEnd end = PressOk(s, Unchanged);
  EXPECT_TRUE(end.closes && end.accepted);
  EXPECT_FALSE(end.message);
  EXPECT_EQ(s.seats.names, (std::array<std::string, 4>{Name(Character::Ukkari), Name(Character::Neutora),
                                                       Name(Character::Zunpasky), "たろう"}));
  EXPECT_EQ(s.seats.humanSex, 0);
}

TEST(PlayerSelection, OkIsRefusedWithoutThreeChosen) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  MoveOut(s, 0);
  const SeatSetup before = s.seats;
  const SelectionEnd end = PressOk(s, Unchanged);
  EXPECT_FALSE(end.closes);
  EXPECT_EQ(s.seats.names, before.names);
}

TEST(PlayerSelection, NameClashStaysOpenAndCancelStillKeepsTheChosenSeats) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  MoveOut(s, 2);
  MoveIn(s, 0);  // ﾄﾘｯｸ･ｳﾒ for ﾙ･ﾆｭｰﾄﾗ
  s.name = Name(Character::Agarita);
  s.sex = 2;
  const SelectionEnd clash = PressOk(s, Unchanged);
  EXPECT_FALSE(clash.closes);
  ASSERT_TRUE(clash.message);
  EXPECT_EQ(clash.message->text, "この名前は使用されています。別の名前にしてください。");
  EXPECT_EQ(clash.message->buttons, Buttons::Ok);
  EXPECT_EQ(clash.message->title, "ズンパＳ");

  const SelectionEnd cancel = PressCancel();
  EXPECT_TRUE(cancel.closes);
  EXPECT_FALSE(cancel.accepted);
  EXPECT_EQ(s.seats.names[2], Name(Character::TrickUme));
  EXPECT_EQ(s.seats.names[3], "Your Name");  // the refused name is not taken
  EXPECT_EQ(s.seats.humanSex, 1);
}

TEST(PlayerSelection, NameOfACharacterNotTakingPartIsAllowed) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  s.name = Name(Character::KiOokuman);
  EXPECT_TRUE(PressOk(s, Unchanged).closes);
  EXPECT_EQ(s.seats.names[3], Name(Character::KiOokuman));
}

TEST(PlayerSelection, EmptyNameIsAccepted) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  s.name.clear();
  EXPECT_TRUE(PressOk(s, Unchanged).closes);
  EXPECT_EQ(s.seats.names[3], "");
}

TEST(PlayerSelection, NameKeepsThirtyTwoCharactersNotBytes) {
  std::string kana;
  for (int i = 0; i < 40; ++i)
    kana += "ｱ";
  const std::string limited = LimitName(kana);
  EXPECT_EQ(limited.size(), 32u * std::string("ｱ").size());
  EXPECT_EQ(LimitName("short"), "short");
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  s.name = kana;  // pasted past the box's limit
  PressOk(s, Unchanged);
  EXPECT_EQ(s.seats.names[3], limited);
}

TEST(PlayerSelection, NameIsCleanedAsTheDataFilesCleanTexts) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  s.name = "a\"b\tc\xF0\x9F\x98\x80";
  ASSERT_TRUE(PressOk(s, SanitizeForCp932).closes);
  EXPECT_EQ(s.seats.names[3], "a”b c?");
}

TEST(PlayerSelection, ClashIsJudgedOnTheCleanedName) {
  PlayerSelection s = OpenPlayerSelection(DefaultSeats());
  s.name = "X";
  const SelectionEnd end = PressOk(s, [](std::string_view) { return std::string("ｱｶﾞﾘｰﾀ"); });
  EXPECT_FALSE(end.closes);
}

}  // namespace
}  // namespace zunpa::ui
