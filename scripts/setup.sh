#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds with both cores. Usage: scripts/setup.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"

# The third line checks the install: the Debian package, its menu entry
# and metainfo. The last two are the desktop's pieces the tests start for
# themselves: a sound server, an X server with a window manager, a Wayland
# compositor and the accessibility bus with a reader of it. The very last
# two build the core for WebAssembly and run it (scripts/web.sh).
packages=(build-essential cmake googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev qt6-base-dev
          qt6-multimedia-dev libqt6multimedia6 libpulse-dev fonts-ipafont-gothic fonts-dejavu-core espeak-ng
          clang-format dpkg-dev desktop-file-utils appstream lintian
          pulseaudio pulseaudio-utils xvfb openbox x11-utils xdotool weston sway wtype qt6-wayland
          dbus at-spi2-core python3-pyatspi
          emscripten nodejs opus-tools chromium)
source scripts/packages.sh
install_missing "${packages[@]}"
# Debian's nodejs comes without npm; a node of another source brings its own.
command -v npm >/dev/null || install_missing npm

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" -j 2
