#!/usr/bin/env bash
# The web edition: the core compiled to WebAssembly with Debian's emscripten.
#   scripts/web.sh build   installs what is missing and builds into build-web/:
#                          the core's tests, the simulator and the 読み bench,
#                          for node (node build-web/zunpa-sim.js --help)
#   scripts/web.sh test    builds, then runs those tests under node
set -euo pipefail
cd "$(dirname "$0")/.."
command="${1:-build}"
case "$command" in
  build | test) ;;
  *)
    echo "usage: scripts/web.sh build|test" >&2
    exit 2
    ;;
esac

source scripts/packages.sh
install_missing cmake emscripten nodejs libgtest-dev googletest nlohmann-json3-dev

# Debian's em++ finds its JavaScript helpers only on node's system path.
export NODE_PATH=/usr/share/nodejs
node="$(command -v node)"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$node" >/dev/null
cmake --build build-web -j 2
if [ "$command" = test ]; then
  ctest --test-dir build-web --output-on-failure -j 2
fi
