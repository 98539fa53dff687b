#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# TARVOLIN_SANITIZE=1 builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${TARVOLIN_SANITIZE:-0}" = 1 ]; then
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_SANITIZE=ON -DTARVOLIN_BENCH=OFF)
fi
cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build"
cd "$build" && ctest --output-on-failure -j2
