#include "dialogs/dialog_controls.h"

#include <QLabel>
#include <QPushButton>

namespace zunpa::qt {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setAutoDefault(false);
  return button;
}

void SetFittedText(QLabel* label, const QString& text) {
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width() - 2 * label->margin());
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : text);
}

QString Member(const char* name, int index) {
  return QString::fromLatin1(name) + QString::number(index);
}

}  // namespace zunpa::qt
