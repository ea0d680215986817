#!/usr/bin/env bash
# Installs the Debian packages the build, the application and the tests need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-serialport-dev libqt6opengl6-dev
  libqcustomplot-dev libqcustomplot2.1-qt6
  libbenchmark-dev
  fonts-liberation
)
[ "${1:-}" = "--gui-tools" ] && packages+=(xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
