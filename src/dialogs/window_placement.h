#pragma once
// Where the game's dialogs open, and the title bar of those that must end
// through their own buttons.

class QWidget;

namespace zunpa::qt {

// Centres the window on the main window; nothing without one.
void CentreOn(QWidget* window, QWidget* mainWindow);
// Puts the window's top left corner on the main window's.
void AlignTopLeft(QWidget* window, QWidget* mainWindow);
// A title bar without a close box.
void RemoveCloseBox(QWidget* window);

}  // namespace zunpa::qt
