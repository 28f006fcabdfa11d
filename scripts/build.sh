#!/usr/bin/env bash
# Configures (once) and builds the project into build/. Shared by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-$(nproc)}

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  echo "==> configure: cmake -S . -B $BUILD_DIR -G Ninja"
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" \
    || { echo "error: cmake configuration failed" >&2; exit 1; }
fi
echo "==> build: cmake --build $BUILD_DIR -j $JOBS"
cmake --build "$BUILD_DIR" -j "$JOBS" || { echo "error: build failed" >&2; exit 1; }
