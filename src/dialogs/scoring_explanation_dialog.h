#pragma once
// frmSETU, "得点説明": how a round is scored.

#include <QDialog>

class QWidget;

namespace zunpa::qt {

void RunScoringExplanation(QWidget* parent);

class ScoringExplanationDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ScoringExplanationDialog(QWidget* parent);
};

}  // namespace zunpa::qt
