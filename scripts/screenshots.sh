#!/usr/bin/env bash
# Renders km7-config-virtual under a private Xvfb into docs/screenshots/: the
# main window in each language and each dialog. Build first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

out="$KM7_ROOT/docs/screenshots"
bin="$KM7_BUILD/bin"
[ -x "$bin/km7-config-virtual" ] || { echo "build first: bash scripts/run-virtual.sh" >&2; exit 1; }
unset DISPLAY
km7_ensure_display
mkdir -p "$out"

work=$(mktemp -d)
trap 'kill "$KM7_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT

# shot NAME LANGUAGE [CLICK_X CLICK_Y]: starts a private copy in LANGUAGE,
# optionally clicks once, and saves the window.
shot() {
  local name=$1 language=$2
  rm -rf "$work/app" && mkdir -p "$work/app"
  cp -r "$bin/modules" "$bin/km7-config-virtual" "$work/app/"
  sed -i "s/^language=.*/language=$language/" "$work/app/modules/setting/apConfig.bin"
  "$work/app/km7-config-virtual" >/dev/null 2>&1 &
  local app=$!
  sleep 3.5
  # The virtual mouse's own window opens beside the app; keep it out of the picture.
  if [ $# -ge 4 ]; then
    xdotool mousemove "$3" "$4" click 1
    sleep 0.8
  fi
  xdotool mousemove 1200 900
  sleep 0.3
  import -window root -crop 1024x640+0+0 "$out/$name.png"
  kill "$app"; wait "$app" 2>/dev/null || true
}

shot main English
shot main-german German
shot main-chinese ChineseSimplified
shot factory-reset English 888 620
shot help-menu English 928 24
shot profiles English 808 620
shot key-assignment English 140 174
shot macro-editor English 139 414
shot recoil-editor English 139 446
shot system-settings English 139 534
shot macro-editor-german German 139 414
shot recoil-editor-chinese ChineseSimplified 139 446
echo "Screenshots written to $out"
