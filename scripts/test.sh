#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

km7_install_missing
km7_build
km7_ensure_display
cd "$KM7_BUILD"
ctest --output-on-failure --timeout 600
