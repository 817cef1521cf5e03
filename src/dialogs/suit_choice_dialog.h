#pragma once
// frmSELS, "どれにしたものか・・・": the suit the user declares.

#include <QDialog>
#include <optional>

#include "rules/host.h"
#include "ui_logic/suit_choice.h"

class QButtonGroup;
class QCheckBox;
class QWidget;

namespace zunpa::qt {

// Modal; it cannot be closed without a suit.
SuitChoice RunSuitChoice(QWidget* mainWindow, const SuitChoice& suggestion);

class SuitChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  SuitChoiceDialog(QWidget* mainWindow, const SuitChoice& suggestion);
  // Set once OK has taken a suit.
  const std::optional<SuitChoice>& Choice() const { return choice_; }
  // Esc, and the close box through QDialog's own close handling, give way
  // only to a confirmed suit.
  void reject() override;

 private:
  void ShowSelection();
  void PressOk();

  ui::SuitDialog state_;
  std::optional<SuitChoice> choice_;
  QButtonGroup* suits_ = nullptr;
  QCheckBox* autoDetect_ = nullptr;
};

}  // namespace zunpa::qt
