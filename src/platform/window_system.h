#pragma once
// What the desktop lets a window do. On X11 (and Windows) a window chooses
// where it stands and may ask for the keys; under Wayland the compositor
// decides both, and a new window takes the keys as it appears.

class QObject;
class QWidget;

namespace zunpa::qt {

bool WindowsPlaceThemselves();

// The width a window needs for the window manager to show its whole title
// beside the title bar's icon and buttons.
int TitleWidth(const QWidget* window);
// A fixed-size dialog grows to that width, its controls moved to keep the
// same margins on both sides.
void FitTitle(QWidget* dialog);

// A dialog that is minimised comes straight back with the window it
// belongs to. Some window managers (openbox) offer every dialog a
// minimise box whatever the window asks, and take its main window along:
// where there is no taskbar, nothing would bring them back.
void KeepDialogsFromHiding(QObject& owner);

}  // namespace zunpa::qt
