#!/usr/bin/env bash
# Installs what is missing, builds, and starts KM7 Config against the virtual
# mouse. Without a display it runs under Xvfb and writes shot.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

km7_install_missing
km7_build

if [ -n "${DISPLAY:-}" ]; then
  exec "$KM7_BUILD/bin/km7-config-virtual"
fi

km7_ensure_display
"$KM7_BUILD/bin/km7-config-virtual" &
app=$!
sleep 4
import -window root "$KM7_ROOT/shot.png"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "Screenshot written to $KM7_ROOT/shot.png"
