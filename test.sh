#!/usr/bin/env bash
# Sets up a fresh machine (packages, build) and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"

scripts/packages.sh
scripts/build.sh

echo "==> tests: ctest --test-dir build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
