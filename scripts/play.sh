#!/usr/bin/env bash
# Sets everything up and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/zunpa-demo "$@"
