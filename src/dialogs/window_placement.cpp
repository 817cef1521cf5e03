#include "dialogs/window_placement.h"

#include <QWidget>

namespace zunpa::qt {

void CentreOn(QWidget* window, QWidget* mainWindow) {
  if (!mainWindow) return;
  const QRect frame = mainWindow->window()->frameGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(frame.center() - QPoint(size.width() / 2, size.height() / 2));
}

void AlignTopLeft(QWidget* window, QWidget* mainWindow) {
  if (mainWindow) window->move(mainWindow->window()->frameGeometry().topLeft());
}

void RemoveCloseBox(QWidget* window) {
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

}  // namespace zunpa::qt
