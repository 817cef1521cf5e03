#!/usr/bin/env bash
# Sets everything up and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "ズンパＳ needs a desktop to open its window (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
  echo "The text demo plays without one: build/zunpa-demo" >&2
  exit 1
fi
exec build/zunpas
