#pragma once
// Moves a window into (mode 1) or out of (mode 0) the band of windows kept
// in front of all others; any other mode does nothing and yields 0.

class QWidget;

namespace zunpa::qt {

int KeepInFront(QWidget* window, int mode);

}  // namespace zunpa::qt
