#include "platform/message_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "platform/window_system.h"

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
  // A short text would leave a long title cut short by the title bar.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(TitleWidth(&box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                  1, grid->columnCount());
  box.exec();
  return box.clickedButton() == first || !second ? firstAnswer : secondAnswer;
}

}  // namespace zunpa::qt
