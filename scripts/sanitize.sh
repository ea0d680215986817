#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs the whole suite there, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=build-asan BUILD_TYPE=RelWithDebInfo CMAKE_ARGS="-DVIRDELO_SANITIZE=ON" scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export UBSAN_OPTIONS=print_stacktrace=1
cd build-asan
ctest --output-on-failure -j2 "$@"
