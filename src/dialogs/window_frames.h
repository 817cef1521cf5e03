#pragma once
// Windows are placed by their outer (frame) rectangles, as the table's
// windows always were. Before a window is first shown the system has not
// told Qt its frame yet; the main window's frame stands in for it then.

#include <QSize>

class QWidget;

namespace zunpa::qt {

// The outer size `window` has or will have; `mainWindow` may be null.
// QWidget::move() then places the window by that outer rectangle.
QSize ExpectedFrameSize(const QWidget* window, const QWidget* mainWindow);

}  // namespace zunpa::qt
