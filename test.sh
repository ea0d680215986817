#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j2 "$@"
