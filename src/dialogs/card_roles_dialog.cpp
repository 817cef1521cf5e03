#include "dialogs/card_roles_dialog.h"

#include <QComboBox>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_system.h"
#include "ui_logic/card_roles.h"

namespace zunpa::qt {

CardRolesDialog::CardRolesDialog(QWidget* mainWindow, const Roles& roles) : QDialog(mainWindow) {
  setObjectName("frmCSET");
  setWindowTitle("カード設定");
  setFixedSize(Px(2775), Px(1935));
  const std::array<const char*, 3> captions = {"葉っぱ変更のカード：", "リバース・カード：", "スキップ・カード："};
  const ui::RoleEntries selected = ui::OpenRoleEntries(roles);
  for (int i = 0; i < 3; ++i) {
    AddLabel(this, Member("Label1", i), QString::fromUtf8(captions[i]), TwipsRect(60, 240 + 360 * i, 1800, 255));
    lists_[i] = new QComboBox(this);
    lists_[i]->setObjectName(Member("Combo1", i));
    lists_[i]->setGeometry(TwipsRect(1920, 180 + 360 * i, 675, 315));
    for (const std::string& text : ui::RoleEntryTexts())
      lists_[i]->addItem(QString::fromStdString(text));
    lists_[i]->setCurrentIndex(selected[i]);
  }
  QPushButton* ok = AddButton(this, "Command10", "OK", TwipsRect(300, 1380, 1095, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CardRolesDialog::PressOk);
  QPushButton* cancel = AddButton(this, "Command11", "キャンセル", TwipsRect(1500, 1380, 1095, 375));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void CardRolesDialog::PressOk() {
  const ui::RolesOk ok =
      ui::PressRolesOk({lists_[0]->currentIndex(), lists_[1]->currentIndex(), lists_[2]->currentIndex()});
  if (ok.refusal) ShowMessageBox(this, *ok.refusal);
  if (!ok.roles) return;
  chosen_ = ok.roles;
  accept();
}

std::optional<Roles> RunCardRoles(QWidget* mainWindow, const Roles& roles) {
  CardRolesDialog dialog(mainWindow, roles);
  dialog.exec();
  return dialog.Chosen();
}

}  // namespace zunpa::qt
