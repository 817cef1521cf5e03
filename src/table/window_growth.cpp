#include "table/window_growth.h"

#include <QMainWindow>
#include <QScreen>
#include <algorithm>

namespace zunpa::qt {

int GrowBy(QMainWindow& window, int width) {
  if (window.isMaximized() || window.isFullScreen()) return 0;
  const QScreen* screen = window.screen();
  const int room = screen ? screen->availableGeometry().width() - window.frameGeometry().width() : width;
  const int growth = std::clamp(room, 0, width);
  window.resize(window.width() + growth, window.height());
  return growth;
}

}  // namespace zunpa::qt
