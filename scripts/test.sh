#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests natively, then the in-process and end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

cmake --preset windows-test >/dev/null
cmake --build --preset windows-test -j "$jobs"
scripts/wine-session.sh ctest --preset windows-test
