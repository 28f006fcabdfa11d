#!/usr/bin/env bash
# Writes the demo configuration build/Keystane.Cfg/Keystane.ini pointing at the
# embedded demo database, and creates that database on first start. The
# program builds the database under a temporary name and never leaves a
# partial file, so a failed run can simply be repeated.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
CFG_DIR="$BUILD_DIR/Keystane.Cfg"
INI="$CFG_DIR/Keystane.ini"
DB="$CFG_DIR/Tallyhouse-demo.db"
mkdir -p "$CFG_DIR"

if [ ! -f "$INI" ]; then
  echo "==> demo configuration: writing $INI"
  cat > "$INI" <<INI
; Demo configuration written by run.sh: every logical database is the
; embedded demo database beside this file.
[DataProvider]
ConnStr=Provider=SQLite;Data Source=Tallyhouse-demo.db

[Paths]
HelpPath=
LogPath=
LibPath=..\\Keystane.App

[Paging]
Enabled=0
INI
else
  echo "==> demo configuration: $INI present"
fi

if [ ! -f "$DB" ]; then
  echo "==> demo database: creating $DB"
  "$BUILD_DIR/Keystane.App/tallyhouse" demo-db "$DB" \
    || { echo "error: demo database could not be created" >&2; exit 1; }
else
  echo "==> demo database: $DB present"
fi
