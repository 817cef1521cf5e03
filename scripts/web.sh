#!/usr/bin/env bash
# The web edition: the core compiled to WebAssembly with Debian's emscripten,
# and the page around it.
#   scripts/web.sh         installs what is missing, builds, and serves the
#                          page on 127.0.0.1 (the address is printed)
#   scripts/web.sh build   only builds: the static site in build-web/site/,
#                          and the core's tests, the simulator and the 読み
#                          bench for node (node build-web/zunpa-sim.js --help)
#   scripts/web.sh test    builds, then runs the web tests (ctest in build-web)
set -euo pipefail
cd "$(dirname "$0")/.."
command="${1:-serve}"
case "$command" in
  serve | build | test) ;;
  *)
    echo "usage: scripts/web.sh [build|test]" >&2
    exit 2
    ;;
esac

source scripts/packages.sh
# The pictures and sounds are drawn and spoken by the desktop build's tools.
install_missing build-essential cmake emscripten nodejs libgtest-dev googletest nlohmann-json3-dev \
  qt6-base-dev qt6-multimedia-dev fonts-dejavu-core espeak-ng opus-tools
if [ "$command" = test ]; then install_missing chromium fonts-ipafont-gothic; fi
# Debian's nodejs comes without npm, a packaged node of another source with
# it (and then conflicts with Debian's npm).
command -v npm >/dev/null || install_missing npm

if [ ! -f build/CMakeCache.txt ]; then cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null; fi
cmake --build build -j 2 --target web-assets zunpa-default-user zunpa-yomi-advice

# Debian's em++ finds its JavaScript helpers only on node's system path.
export NODE_PATH=/usr/share/nodejs
node="$(command -v node)"
# The page's instance waits on the page through Asyncify, which needs
# JavaScript's exceptions; with them one tree builds the page, 読み's worker
# and the tests.
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DZUNPA_WEB_EXCEPTIONS=js \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$node" >/dev/null
cmake --build build-web -j 2

# The npm packages exactly as the lock file pins them.
if [ ! -f web/node_modules/.package-lock.json ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi
(cd web && ZUNPA_WEB_BUILD="$PWD/../build-web" ZUNPA_WEB_ASSETS="$PWD/../build/web-assets" npx vite build --logLevel warn)

case "$command" in
  serve) exec node web/tools/serve.mjs build-web/site "${ZUNPA_PORT:-8080}" ;;
  test) ctest --test-dir build-web --output-on-failure -j 2 ;;
esac
