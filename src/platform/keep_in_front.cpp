#include "platform/keep_in_front.h"

#include <QWidget>

namespace zunpa::qt {

int KeepInFront(QWidget* window, int mode) {
  if (!window || (mode != 0 && mode != 1)) return 0;
  window->setWindowFlag(Qt::WindowStaysOnTopHint, mode == 1);
  // Changing a window flag hides the window; either way it is shown.
  window->show();
  return 1;
}

}  // namespace zunpa::qt
