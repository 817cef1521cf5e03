#include "dialogs/suit_choice_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/window_placement.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_system.h"

namespace zunpa::qt {

SuitChoiceDialog::SuitChoiceDialog(QWidget* mainWindow, const SuitChoice& suggestion)
    : QDialog(mainWindow), state_(ui::OpenSuitChoice(suggestion)) {
  setObjectName("frmSELS");
  setWindowTitle("どれにしたものか・・・");
  RemoveCloseBox(this);
  setFixedSize(Px(3180), Px(2160));
  auto* frame = new QGroupBox("葉っぱ選択", this);
  frame->setObjectName("Frame1");
  frame->setGeometry(TwipsRect(120, 90, 1755, 1935));
  suits_ = new QButtonGroup(this);
  const std::array<const char*, 4> captions = {"スペード", "ハート", "クローバー", "ダイヤ"};
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(captions[i]), frame);
    option->setObjectName(Member("optSuite", i));
    option->setGeometry(TwipsRect(240, 390 + 375 * i, 1395, 300));
    suits_->addButton(option, i);
  }
  connect(suits_, &QButtonGroup::idClicked, this, [this](int option) { ui::SelectSuit(state_, option); });
  autoDetect_ = new QCheckBox("自動検出", this);
  autoDetect_->setObjectName("chkSJIDO");
  // IPAGothic needs more room than the 975 twips the caption had.
  autoDetect_->setGeometry(TwipsRect(2010, 240, 1110, 300));
  autoDetect_->setChecked(state_.autoDetect);
  connect(autoDetect_, &QCheckBox::clicked, this, [this](bool ticked) {
    ui::SetSuitAutoDetect(state_, ticked);
    ShowSelection();
  });
  QPushButton* ok = AddButton(this, "cmdOK", "OK", TwipsRect(2010, 1650, 915, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SuitChoiceDialog::PressOk);
  ShowSelection();
  FitTitle(this);
  CentreOn(this, mainWindow);
}

void SuitChoiceDialog::ShowSelection() {
  // An exclusive group keeps one option checked; clearing needs it off.
  suits_->setExclusive(false);
  for (int i = 0; i < 4; ++i)
    suits_->button(i)->setChecked(state_.selected == i);
  suits_->setExclusive(true);
}

void SuitChoiceDialog::PressOk() {
  const ui::SuitOk ok = ui::PressSuitOk(state_);
  if (ok.refusal) ShowMessageBox(this, *ok.refusal);
  if (!ok.choice) return;
  choice_ = ok.choice;
  accept();
}

void SuitChoiceDialog::reject() {
  if (ui::SuitDialogMayClose(state_)) QDialog::reject();
}

SuitChoice RunSuitChoice(QWidget* mainWindow, const SuitChoice& suggestion) {
  SuitChoiceDialog dialog(mainWindow, suggestion);
  dialog.exec();
  return dialog.Choice().value_or(suggestion);
}

}  // namespace zunpa::qt
