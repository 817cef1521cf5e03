#include "ui_logic/start_hint.h"

namespace zunpa::ui {

std::string StartHint(const DisplayModel& d) {
  if (d.stockCounterVisible) return {};
  std::string hint = "新しいゲームは F2 キーで\n（ｹﾞｰﾑ → 新規）";
  if (d.continueEnabled) hint += "\n保存したゲームは ｹﾞｰﾑ → つづき";
  return hint;
}

}  // namespace zunpa::ui
