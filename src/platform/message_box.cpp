#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace zunpa::qt {
namespace {

QMessageBox::Icon IconOf(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, const Message& message) {
  QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title), QString::fromStdString(message.text),
                  QMessageBox::NoButton, parent);
  box.setObjectName("MsgBox");
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  Answer firstAnswer = Answer::Ok;
  Answer secondAnswer = Answer::Cancel;
  switch (message.buttons) {
    case Buttons::Ok:
      first = box.addButton("OK", QMessageBox::AcceptRole);
      box.setEscapeButton(first);
      break;
    case Buttons::OkCancel:
      first = box.addButton("OK", QMessageBox::AcceptRole);
      second = box.addButton("キャンセル", QMessageBox::RejectRole);
      break;
    case Buttons::YesNo:
      first = box.addButton("はい(&Y)", QMessageBox::YesRole);
      second = box.addButton("いいえ(&N)", QMessageBox::NoRole);
      firstAnswer = Answer::Yes;
      secondAnswer = Answer::No;
      break;
  }
  first->setObjectName("first");
  box.setDefaultButton(first);
  if (second) {
    second->setObjectName("second");
    box.setEscapeButton(second);
  }
  box.exec();
  return box.clickedButton() == first || !second ? firstAnswer : secondAnswer;
}

}  // namespace zunpa::qt
