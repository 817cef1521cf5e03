#pragma once
// frmCSET, "カード設定": the ranks of suit change, reverse and skip.

#include <QDialog>
#include <array>
#include <optional>

#include "rules/roles.h"

class QComboBox;
class QWidget;

namespace zunpa::qt {

// The new roles on an accepted OK; nothing on Cancel.
std::optional<Roles> RunCardRoles(QWidget* mainWindow, const Roles& roles);

class CardRolesDialog : public QDialog {
  Q_OBJECT
 public:
  CardRolesDialog(QWidget* mainWindow, const Roles& roles);
  // Set once OK is accepted.
  const std::optional<Roles>& Chosen() const { return chosen_; }

 private:
  void PressOk();

  std::array<QComboBox*, 3> lists_{};
  std::optional<Roles> chosen_;
};

}  // namespace zunpa::qt
