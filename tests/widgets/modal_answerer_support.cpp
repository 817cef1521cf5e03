#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/modal_answerer.h"

namespace zunpa::testing {

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::AnswerActiveModal);
  timer_.start(5);
}

namespace {

QPushButton* DefaultButtonOf(QWidget* dialog) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->isDefault() && button->isEnabled()) return button;
  return nullptr;
}

// The suit choice may open with nothing selected.
void PickASuitIfNoneIs(QWidget* dialog) {
  const auto options = dialog->findChildren<QRadioButton*>();
  for (QRadioButton* option : options)
    if (option->isChecked()) return;
  for (QRadioButton* option : options)
    if (option->objectName() == "optSuite0") option->click();
}

}  // namespace

void AnswerAsAPatientPlayer(QWidget* modal) {
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    if (QAbstractButton* button = box->defaultButton()) button->click();
    return;
  }
  PickASuitIfNoneIs(modal);
  if (QPushButton* button = DefaultButtonOf(modal)) button->click();
}

void ModalAnswerer::AnswerActiveModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages_ << box->windowTitle() + ": " + box->text();
    return AnswerAsAPatientPlayer(modal);
  }
  dialogs_ << modal->objectName();
  if (inspect_) inspect_(modal);
  AnswerAsAPatientPlayer(modal);
}

}  // namespace zunpa::testing
