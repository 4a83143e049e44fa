#!/usr/bin/env bash
# Installs everything Tabulon needs to build, test and run, from Debian's packages.
# Idempotent: packages already present are skipped; safe to run on every build.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  libgl-dev libxkbcommon-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  fonts-arphic-uming fontconfig
  xvfb xauth
  qt6-qpa-plugins
  python3-fonttools
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
