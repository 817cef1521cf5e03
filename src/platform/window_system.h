#pragma once
// What the desktop lets a window do. On X11 (and Windows) a window chooses
// where it stands and may ask for the keys; under Wayland the compositor
// decides both, and a new window takes the keys as it appears.

namespace zunpa::qt {

bool WindowsPlaceThemselves();

}  // namespace zunpa::qt
