#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the application. Without --port it
# starts the simulated logger on a pseudo-terminal and preselects that port;
# the simulator stops when the application closes.
#   ./run.sh                      against the simulated logger
#   ./run.sh --port /dev/ttyUSB0  against a real logger
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh

for arg in "$@"; do
  [ "$arg" = "--port" ] && exec build/virdelo "$@"
done

sim_out=$(mktemp)
build/sim/quirante-sim ${SIM_ARGS:-} >"$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do
  [ -s "$sim_out" ] && break
  sleep 0.1
done
port=$(head -n 1 "$sim_out")
echo "Simulated logger on $port"
build/virdelo --port "$port" "$@"
