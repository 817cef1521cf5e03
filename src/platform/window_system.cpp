#include "platform/window_system.h"

#include <QGuiApplication>

namespace zunpa::qt {

bool WindowsPlaceThemselves() {
  return !QGuiApplication::platformName().startsWith("wayland");
}

}  // namespace zunpa::qt
