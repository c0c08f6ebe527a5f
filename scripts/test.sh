#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

km7_install_missing
km7_ensure_display

km7_build "$KM7_BUILD"
(cd "$KM7_BUILD" && ctest --output-on-failure --timeout 600)

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
km7_build "$KM7_ROOT/build-asan" -DKM7_SANITIZE=ON
(cd "$KM7_ROOT/build-asan" && ctest --output-on-failure --timeout 600)
