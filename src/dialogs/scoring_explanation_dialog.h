#pragma once
// frmSETU, "得点説明": how a round is scored.

class QWidget;

namespace zunpa::qt {

void RunScoringExplanation(QWidget* parent);

}  // namespace zunpa::qt
