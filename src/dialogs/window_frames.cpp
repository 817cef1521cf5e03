#include "dialogs/window_frames.h"

#include <QWidget>

namespace zunpa::qt {

QSize ExpectedFrameSize(const QWidget* window, const QWidget* mainWindow) {
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  if (frame != inner || !mainWindow) return frame.size();
  const QSize margins = mainWindow->frameGeometry().size() - mainWindow->geometry().size();
  return inner.size() + margins;
}

}  // namespace zunpa::qt
