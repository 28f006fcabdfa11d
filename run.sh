#!/usr/bin/env bash
# Sets up a fresh machine (packages, build, demo database) and starts Tallyhouse.
# Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"
export BUILD_DIR=${BUILD_DIR:-build}

scripts/packages.sh
scripts/build.sh
scripts/demo-config.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot open."
  echo "Run a report headless instead, for example:"
  echo "  $BUILD_DIR/Keystane.App/tallyhouse sql \"SELECT ProgramID FROM ConnectLib\""
  echo "  $BUILD_DIR/Keystane.App/tallyhouse list"
  echo "  $BUILD_DIR/Keystane.App/tallyhouse run <Handler> --user DEMO --out report.pdf"
  echo "or force the off-screen platform: QT_QPA_PLATFORM=offscreen ./run.sh"
  exit 0
fi

echo "==> starting $BUILD_DIR/Keystane.App/tallyhouse $*"
exec "$BUILD_DIR/Keystane.App/tallyhouse" "$@"
