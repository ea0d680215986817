#!/usr/bin/env bash
# Builds the libFuzzer target with clang, ASan and UBSan into build-fuzz/ and
# runs it for a while (FUZZ_SECONDS, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
fi
CC=clang CXX=clang++ BUILD_DIR=build-fuzz BUILD_TYPE=RelWithDebInfo \
  CMAKE_ARGS="-DVIRDELO_FUZZ=ON -DVIRDELO_SANITIZE=ON -DBUILD_TESTING=OFF" scripts/build.sh
mkdir -p build-fuzz/corpus
# Leaks are checked by the sanitizer run of the test suite; here libraries'
# one-time allocations (fontconfig) would stop the run.
build-fuzz/fuzz/fuzz_receive -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -detect_leaks=0 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus
