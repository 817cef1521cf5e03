// The menu bar as the window builds it, and what the option items do.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>

#include "ui_logic/exit_question.h"
#include "ui_logic/menu_tree.h"
#include "ui_logic/option_menus.h"

namespace zunpa::ui {
namespace {

void Walk(const std::vector<MenuItem>& items, const std::function<void(const MenuItem&)>& visit) {
  for (const MenuItem& item : items) {
    visit(item);
    Walk(item.items, visit);
  }
}

TEST(MenuBar, EveryItemIsNamedOnce) {
  std::set<std::pair<std::string, int>> seen;
  Walk(InitialMenuBar(), [&](const MenuItem& item) {
    EXPECT_TRUE(seen.insert({std::string(item.name), item.index}).second) << item.name << " " << item.index;
  });
  EXPECT_EQ(seen.size(), 34u);
}

TEST(MenuBar, AcceleratorsAreDistinctWithinEachMenu) {
  const auto check = [](const std::vector<MenuItem>& items) {
    std::set<char> letters;
    for (const MenuItem& item : items)
      if (const char letter = AcceleratorOf(item.caption)) {
        EXPECT_TRUE(letters.insert(letter).second) << item.name;
      }
  };
  check(InitialMenuBar());
  Walk(InitialMenuBar(), [&](const MenuItem& item) { check(item.items); });
}

TEST(MenuBar, ShortcutsSitOnNewAndSaveOnly) {
  std::vector<std::string> withShortcut;
  Walk(InitialMenuBar(), [&](const MenuItem& item) {
    if (!item.shortcut.empty()) {
      withShortcut.push_back(std::string(item.name) + "=" + std::string(item.shortcut));
    }
  });
  EXPECT_EQ(withShortcut, (std::vector<std::string>{"mneNEW=F2", "mneSAVE=Ctrl+S"}));
}

TEST(MenuBar, HelpCaptionKeepsSixBlanksBeforeF1) {
  const MenuItem* help = FindMenuItem(InitialMenuBar(), "mneMOKUJI");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->caption.substr(help->caption.find(')') + 1), "      F1");
  EXPECT_EQ(AcceleratorOf(help->caption), 'H');
}

TEST(MenuBar, ContinueAndSaveStartDisabled) {
  std::vector<std::string> disabled;
  Walk(InitialMenuBar(), [&](const MenuItem& item) {
    if (!item.enabled) {
      disabled.emplace_back(item.name);
    }
  });
  EXPECT_EQ(disabled, (std::vector<std::string>{"mneCONTINUE", "mneSAVE"}));
}

TEST(MenuBar, InitialMarksAreTheDefaultOptions) {
  int checkable = 0;
  Walk(InitialMenuBar(), [&](const MenuItem& item) {
    const std::optional<bool> mark = CheckMarkOf(Options{}, item.name, item.index);
    EXPECT_EQ(mark.has_value(), item.checkable) << item.name;
    if (mark) {
      EXPECT_EQ(*mark, item.checked) << item.name << " " << item.index;
      ++checkable;
    }
  });
  EXPECT_EQ(checkable, 12);
}

// The window's bar keeps every item of the table's own, in the same order,
// and adds its own items under fresh names and letters.
TEST(WindowBar, KeepsTheTablesItemsInOrderAndAddsDistinctOnes) {
  std::vector<std::pair<std::string, int>> initial, window;
  Walk(InitialMenuBar(), [&](const MenuItem& item) { initial.emplace_back(item.name, item.index); });
  Walk(WindowMenuBar(), [&](const MenuItem& item) { window.emplace_back(item.name, item.index); });
  std::set<std::pair<std::string, int>> seen(window.begin(), window.end());
  EXPECT_EQ(seen.size(), window.size());
  std::size_t at = 0;
  for (const auto& item : window)
    if (at < initial.size() && item == initial[at]) ++at;
  EXPECT_EQ(at, initial.size());
  EXPECT_EQ(window.size(), initial.size() + 10);
  const auto bar = WindowMenuBar();
  std::set<char> letters;
  for (const MenuItem& menu : bar) {
    EXPECT_TRUE(letters.insert(AcceleratorOf(menu.caption)).second) << menu.name;
    std::set<char> inMenu;
    for (const MenuItem& item : menu.items)
      if (const char letter = AcceleratorOf(item.caption)) {
        EXPECT_TRUE(inMenu.insert(letter).second) << item.name;
      }
  }
  EXPECT_EQ(bar[0].items[1].name, "mneNEWNUM");
  EXPECT_EQ(bar.back().name, "mneHELP");
}

TEST(MenuBar, SeparatorsTakeNoClicksOrMarks) {
  Walk(WindowMenuBar(), [](const MenuItem& item) {
    if (item.IsSeparator()) {
      EXPECT_TRUE(!item.checkable && item.items.empty() && item.shortcut.empty()) << item.name;
    }
  });
}

TEST(SpeedGroup, ExactlyOneItemStaysTicked) {
  Options o;
  for (int click : {2, 2, 0, 3, 3, 1, -1, 4}) {
    o = ClickSpeed(o, click);
    int ticked = 0;
    for (int i = 0; i < 4; ++i)
      ticked += *CheckMarkOf(o, "flgSOKUDO", i);
    EXPECT_EQ(ticked, 1);
    if (click >= 0 && click < 4) {
      EXPECT_EQ(*CheckMarkOf(o, "flgSOKUDO", click), true);
    }
  }
  EXPECT_EQ(o.SpeedIndex, 1);
}

TEST(MessageGroup, UntickingAKindUnticksAllAndTickingItBackLeavesAllUnticked) {
  Options o = ClickMessageKind(Options{}, MessageKind::Skip);
  EXPECT_FALSE(o.MsgSkip);
  EXPECT_FALSE(o.MsgAll);
  EXPECT_TRUE(o.MsgRev && o.MsgNi && o.MsgCS);
  o = ClickMessageKind(o, MessageKind::Skip);
  EXPECT_TRUE(o.MsgSkip && o.MsgRev && o.MsgNi && o.MsgCS);
  EXPECT_FALSE(o.MsgAll);
}

TEST(MessageGroup, AllTicksOrClearsTheFourTogether) {
  Options o = ClickAllMessages(Options{});
  EXPECT_FALSE(o.MsgAll || o.MsgSkip || o.MsgRev || o.MsgNi || o.MsgCS);
  o = ClickMessageKind(o, MessageKind::SuitChange);
  o = ClickAllMessages(o);
  EXPECT_TRUE(o.MsgAll && o.MsgSkip && o.MsgRev && o.MsgNi && o.MsgCS);
}

TEST(MessageGroup, EachKindClickTouchesOnlyItsOwnKind) {
  const std::array<std::pair<MessageKind, bool Options::*>, 4> kinds = {{{MessageKind::Skip, &Options::MsgSkip},
                                                                         {MessageKind::Reverse, &Options::MsgRev},
                                                                         {MessageKind::DrawTwo, &Options::MsgNi},
                                                                         {MessageKind::SuitChange, &Options::MsgCS}}};
  for (const auto& [kind, flag] : kinds) {
    Options expected;
    expected.*flag = false;
    expected.MsgAll = false;
    EXPECT_EQ(ClickMessageKind(Options{}, kind), expected);
  }
}

TEST(MessageGroup, AllIsNeverTickedWithAKindUnticked) {
  std::mt19937 rng(7);
  Options o;
  for (int i = 0; i < 2000; ++i) {
    const int pick = static_cast<int>(rng() % 5);
    o = pick == 4 ? ClickAllMessages(o) : ClickMessageKind(o, static_cast<MessageKind>(pick));
    if (o.MsgAll) {
      ASSERT_TRUE(o.MsgSkip && o.MsgRev && o.MsgNi && o.MsgCS) << i;
    }
  }
}

TEST(SoundItems, VoicesToggleWhenTheFilesAreThere) {
  const MenuOutcome off = ClickSound(Options{}, true, "page");
  EXPECT_FALSE(off.options.Sound);
  EXPECT_FALSE(off.message);
  EXPECT_TRUE(ClickSound(off.options, true, "page").options.Sound);
}

TEST(SoundItems, MissingFilesKeepVoicesOffAndSayWhereToGetThem) {
  for (bool wasOn : {true, false}) {
    Options o;
    o.Sound = wasOn;
    const MenuOutcome r = ClickSound(o, false, "https://example.org/zunpa");
    EXPECT_FALSE(r.options.Sound);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->title, "サウンドファイルがありません");
    EXPECT_EQ(r.message->text, "以下のﾎｰﾑﾍﾟｰｼﾞより\nﾀﾞｳﾝﾛｰﾄﾞできます。\n\nhttps://example.org/zunpa");
    EXPECT_EQ(r.message->icon, Icon::Information);
  }
}

TEST(SoundItems, CardSoundTogglesRegardlessOfVoices) {
  Options o;
  o.Sound = false;
  const Options toggled = ClickCardSound(o);
  EXPECT_FALSE(toggled.CardSound);
  EXPECT_FALSE(toggled.Sound);
  EXPECT_TRUE(ClickCardSound(toggled).CardSound);
}

TEST(ExitQuestion, AsksOkCancelUnderTheProgramTitle) {
  const Message m = ExitQuestion();
  EXPECT_EQ(m.text, "ズンパを終了します");
  EXPECT_EQ(m.title, "ズンパＳ");
  EXPECT_EQ(m.buttons, Buttons::OkCancel);
  EXPECT_TRUE(ExitConfirmed(Answer::Ok));
  EXPECT_FALSE(ExitConfirmed(Answer::Cancel));
}

}  // namespace
}  // namespace zunpa::ui
