#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Shared by run.sh and test.sh.
set -euo pipefail

PACKAGES=(
  cmake ninja-build ccache g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-charts-dev libqt6opengl6-dev libgl-dev
  libsqlite3-dev unixodbc-dev tdsodbc libsqliteodbc
  libinih-dev libzint-dev libsodium-dev libxlsxwriter-dev
  fonts-liberation2
  googletest libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "==> packages: all ${#PACKAGES[@]} present"
  exit 0
fi

echo "==> packages: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "error: packages missing (${missing[*]}) and sudo is not available; install them as root" >&2
    exit 1
  fi
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q || { echo "error: apt-get update failed" >&2; exit 1; }
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" || {
  echo "error: apt-get install failed for: ${missing[*]}" >&2; exit 1; }
