#include "ui_logic/suit_choice.h"

namespace zunpa::ui {

SuitDialog OpenSuitChoice(const SuitChoice& suggestion) {
  SuitDialog d;
  d.suggested = suggestion.suit;
  SetSuitAutoDetect(d, suggestion.autoDetect);
  return d;
}

void SetSuitAutoDetect(SuitDialog& d, bool ticked) {
  d.autoDetect = ticked;
  if (ticked && d.suggested >= 0 && d.suggested < 4) {
    d.selected = d.suggested;
  } else {
    d.selected.reset();
  }
}

void SelectSuit(SuitDialog& d, int option) {
  if (option >= 0 && option < 4) d.selected = option;
}

SuitOk PressSuitOk(SuitDialog& d) {
  if (!d.selected) {
    Message m{"どれか選択してください"};
    m.icon = Icon::Information;
    return {std::nullopt, m};
  }
  d.confirmed = true;
  return {SuitChoice{*d.selected, d.autoDetect}, std::nullopt};
}

bool SuitDialogMayClose(const SuitDialog& d) {
  return d.confirmed;
}

}  // namespace zunpa::ui
