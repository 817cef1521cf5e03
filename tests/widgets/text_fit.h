#pragma once
// Whether a window's texts fit where they stand: a caption that needs
// more room than its control has is cut off on the screen.

#include <QStringList>

class QWidget;

namespace zunpa::testing {

// The labels whose caption, or its underline, needs more room than the
// label has.
QStringList ClippedLabels(const QWidget* window);
// The buttons, check boxes and option buttons whose caption is cut off.
QStringList ClippedButtons(const QWidget* window);
// The controls that reach outside the window's client area.
QStringList ControlsOutside(const QWidget* window);

}  // namespace zunpa::testing
