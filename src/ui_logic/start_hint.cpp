#include "ui_logic/start_hint.h"

#include <algorithm>

namespace zunpa::ui {

std::string StartHint(const DisplayModel& d) {
  // Gone with the first card dealt, before the messages that open a round.
  const bool dealt = std::any_of(d.cards.begin(), d.cards.end(), [](const CardPicture& c) { return c.visible; });
  if (dealt || d.stockCounterVisible) return {};
  std::string hint = "新しいゲームは F2 キーで\n（ｹﾞｰﾑ → 新規）";
  if (d.continueEnabled) hint += "\n保存したゲームは ｹﾞｰﾑ → つづき";
  return hint;
}

}  // namespace zunpa::ui
