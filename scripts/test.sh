#!/usr/bin/env bash
# Sets everything up and runs every test: the native build's, then the
# core's again in WebAssembly under node.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
scripts/web.sh build
status=0
ctest --test-dir build --output-on-failure -j 2 || status=1
ctest --test-dir build-web --output-on-failure -j 2 || status=1
exit $status
