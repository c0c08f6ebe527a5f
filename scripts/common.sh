# Shared by the set-up scripts: packages, build, and a private X server.

KM7_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KM7_BUILD=${KM7_ROOT}/build

KM7_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-declarative-dev qt6-svg-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-window qml6-module-qtquick-layouts qml6-module-qtqml
  qml6-module-qtqml-models qml6-module-qtqml-workerscript qml6-module-qttest
  libhidapi-dev libudev-dev libx11-dev libxi-dev libglib2.0-dev gsettings-desktop-schemas libgl1-mesa-dri
  desktop-file-utils appstream fonts-noto-cjk xvfb xauth xdotool x11-utils imagemagick trayer
)

km7_install_missing() {
  local missing=()
  for package in "${KM7_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# km7_build [build folder] [extra CMake options...]
km7_build() {
  local folder=${1:-$KM7_BUILD}
  shift || true
  cmake -S "$KM7_ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$folder" -j2
}

# Starts Xvfb on a free display when there is none; stops it when the script ends.
km7_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number=99
  while [ -e "/tmp/.X11-unix/X${number}" ] || [ -e "/tmp/.X${number}-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":${number}" -screen 0 1920x1080x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  KM7_XVFB_PID=$!
  trap 'kill "$KM7_XVFB_PID" 2>/dev/null' EXIT
  export DISPLAY=":${number}"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}
