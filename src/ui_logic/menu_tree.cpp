#include "ui_logic/menu_tree.h"

#include <algorithm>
#include <array>

namespace zunpa::ui {
namespace {

MenuItem Item(std::string_view name, std::string_view caption, std::string_view shortcut = {}) {
  MenuItem item;
  item.name = name;
  item.caption = caption;
  item.shortcut = shortcut;
  return item;
}

MenuItem Check(std::string_view name, std::string_view caption, bool checked = true, int index = -1) {
  MenuItem item = Item(name, caption);
  item.index = index;
  item.checkable = true;
  item.checked = checked;
  return item;
}

MenuItem Separator(std::string_view name) {
  return Item(name, "-");
}

MenuItem Disabled(MenuItem item) {
  item.enabled = false;
  return item;
}

MenuItem Menu(std::string_view name, std::string_view caption, std::vector<MenuItem> items) {
  MenuItem menu = Item(name, caption);
  menu.items = std::move(items);
  return menu;
}

MenuItem GameMenu() {
  return Menu("mneSTART", "ｹﾞｰﾑ(&G)",
              {Item("mneNEW", "新規(&N)", "F2"), Disabled(Item("mneCONTINUE", "つづき(&C)")),
               Disabled(Item("mneSAVE", "保存(&S)", "Ctrl+S")), Separator("mneh1"), Item("mneHiScore", "ﾊｲｽｺｱ(&H)"),
               Separator("mneh2"), Item("mneEXIT", "終了(&X)")});
}

MenuItem SpeedMenu() {
  constexpr std::array<std::string_view, 4> kSpeeds = {"特急", "快速", "普通", "鈍行"};
  std::vector<MenuItem> items;
  for (int i = 0; i < 4; ++i)
    items.push_back(Check("flgSOKUDO", kSpeeds[i], i == 2, i));
  return Menu("mneSOKUDO", "進行速度(&S)", std::move(items));
}

MenuItem MessageMenu() {
  return Menu("mneMSG", "ﾒｯｾｰｼﾞ(&M)",
              {Check("flgSUBETE", "全て"), Separator("mneh3"), Check("flgMsgSkip", "ｽｷｯﾌﾟ"),
               Check("flgMsgRev", "ﾘﾊﾞｰｽ"), Check("flgMsgNi", "２"), Check("flgMsgCS", "ﾁｪﾝｼﾞ")});
}

MenuItem OptionMenu() {
  return Menu(
      "mneOPTION", "ｵﾌﾟｼｮﾝ(&O)",
      {SpeedMenu(), MessageMenu(), Separator("mneh4"), Check("mneSOUND", "ｻｳﾝﾄﾞ(&W)"), Check("mneSOUNDC", "ｶｰﾄﾞ音(&E)"),
       Check("mnuKEN", "自動検出(&J)"), Separator("mneh5"), Item("mnuCSET", "ｶｰﾄﾞ設定(&K)"), Separator("mneh7"),
       Item("mnuCHAR", "ｷｬﾗｸﾀｰ(&C)"), Item("mneKEIKA", "得点表(&T)")});
}

MenuItem HelpMenu() {
  // The F1 is part of the caption: the key itself goes to the help viewer.
  return Menu("mneHELP", "その他(&H)",
              {Item("mneMOKUJI", "ﾍﾙﾌﾟ(&H)      F1"), Separator("mneh6"), Item("mneVER", "ﾊﾞｰｼﾞｮﾝ情報(&V)")});
}

}  // namespace

std::vector<MenuItem> InitialMenuBar() {
  return {GameMenu(), OptionMenu(), HelpMenu()};
}

std::vector<MenuItem> WindowMenuBar() {
  std::vector<MenuItem> bar = InitialMenuBar();
  std::vector<MenuItem>& game = bar[0].items;
  game.insert(game.begin() + 1, Item("mneNEWNUM", "番号を指定して新規(&B)...", "Shift+F2"));
  MenuItem view =
      Menu("mneVIEW", "表示(&V)",
           {Check("mneLOG", "経過(&L)", false), Item("mneCHART", "得点ｸﾞﾗﾌ(&G)"), Separator("mneh8"),
            Item("mneHINT", "ﾋﾝﾄ(&I)", "H"), Check("mneYOMI", "問いにも読み(&Y)", false),
            Item("mneFURIKAERI", "ふりかえり(&R)"), Separator("mneh9"), Check("mneMOTION", "ｶｰﾄﾞの動き(&M)")});
  bar.insert(bar.end() - 1, std::move(view));
  return bar;
}

std::vector<MenuItem> PageMenuBar() {
  std::vector<MenuItem> bar = WindowMenuBar();
  std::vector<MenuItem>& game = bar[0].items;
  const auto save = std::find_if(game.begin(), game.end(), [](const MenuItem& item) { return item.name == "mneSAVE"; });
  game.insert(save + 1, {Item("mneEXPORT", "書き出し(&E)..."), Item("mneIMPORT", "読み込み(&I)...")});
  return bar;
}

char AcceleratorOf(std::string_view caption) {
  const std::size_t at = caption.find('&');
  return at == std::string_view::npos || at + 1 >= caption.size() ? '\0' : caption[at + 1];
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& bar, std::string_view name, int index) {
  for (const MenuItem& item : bar) {
    if (item.name == name && item.index == index) return &item;
    if (const MenuItem* found = FindMenuItem(item.items, name, index)) return found;
  }
  return nullptr;
}

std::optional<bool> CheckMarkOf(const Options& o, std::string_view name, int index) {
  if (name == "flgSOKUDO") return index >= 0 && index < 4 ? std::optional(o.SpeedIndex == index) : std::nullopt;
  const std::array<std::pair<std::string_view, bool>, 8> marks = {{{"flgSUBETE", o.MsgAll},
                                                                   {"flgMsgSkip", o.MsgSkip},
                                                                   {"flgMsgRev", o.MsgRev},
                                                                   {"flgMsgNi", o.MsgNi},
                                                                   {"flgMsgCS", o.MsgCS},
                                                                   {"mneSOUND", o.Sound},
                                                                   {"mneSOUNDC", o.CardSound},
                                                                   {"mnuKEN", o.AutoDetect}}};
  for (const auto& [item, checked] : marks)
    if (item == name && index < 0) return checked;
  return std::nullopt;
}

}  // namespace zunpa::ui
