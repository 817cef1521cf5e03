#pragma once
// frmSELS, after the user's suit-change card: four options, the 自動検出
// box that selects the suggested suit, and OK. It ends only with a suit.

#include <optional>

#include "rules/host.h"

namespace zunpa::ui {

struct SuitDialog {
  int suggested = 0;            // Tag: option index 0..3
  bool autoDetect = false;      // chkSJIDO
  std::optional<int> selected;  // optSuite
  bool confirmed = false;
};

// Opens with the box as last confirmed; ticked, it selects the suggestion,
// unticked, nothing is selected and the user must pick.
SuitDialog OpenSuitChoice(const SuitChoice& suggestion);
// Ticking selects the suggested option; unticking clears all four.
void SetSuitAutoDetect(SuitDialog& dialog, bool ticked);
void SelectSuit(SuitDialog& dialog, int option);

struct SuitOk {
  std::optional<SuitChoice> choice;  // the declared suit and the box to keep
  std::optional<Message> refusal;
};
SuitOk PressSuitOk(SuitDialog& dialog);

// Asked by Esc and the close box: only a confirmed suit lets the dialog go.
bool SuitDialogMayClose(const SuitDialog& dialog);

}  // namespace zunpa::ui
