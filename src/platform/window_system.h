#pragma once
// What the desktop lets a window do. On X11 (and Windows) a window chooses
// where it stands and may ask for the keys; under Wayland the compositor
// decides both, and a new window takes the keys as it appears.

class QObject;

namespace zunpa::qt {

bool WindowsPlaceThemselves();

// A dialog that is minimised comes straight back with the window it
// belongs to. Some window managers (openbox) offer every dialog a
// minimise box whatever the window asks, and take its main window along:
// where there is no taskbar, nothing would bring them back.
void KeepDialogsFromHiding(QObject& owner);

}  // namespace zunpa::qt
