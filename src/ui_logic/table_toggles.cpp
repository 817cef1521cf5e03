#include "ui_logic/table_toggles.h"

#include "rules/table_display.h"

namespace zunpa::ui {

void ToggleAutoDetect(Game& g) {
  g.options.AutoDetect = !g.options.AutoDetect;
  DisplayModel& d = g.display;
  d.handTotal.clear();
  if (g.options.AutoDetect) {
    ShowHandTotal(g);
    d.handTotalVisible = d.stockCounterVisible && g.seats.HumanPlays();
  } else {
    d.handTotalVisible = false;
  }
  if (g.flow.humanInputOpen) {
    LockHumanInput(g);
    UnlockHumanInput(g);
  }
  DisplayChanged(g);
}

Message ToggleXray(DisplayModel& d) {
  d.xray = !d.xray;
  Message m;
  m.icon = Icon::Information;
  if (d.xray) {
    m.title = "レントゲン機能ON";
    m.text = "元に戻す場合は、ラウンドのところをダブルクリックしてください。";
  } else {
    m.title = "レントゲン機能OFF";
    m.text = "レントゲン機能ONにするには、ラウンドのところをダブルクリックしてください。";
  }
  return m;
}

}  // namespace zunpa::ui
