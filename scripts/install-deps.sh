#!/usr/bin/env bash
# Installs the Debian packages TARVOLIN needs to build, test and play, skipping those present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libstb-dev
  libgtest-dev libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
