#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test 00 Varnet.
set -euo pipefail
packages=(build-essential cmake g++ pkg-config qt6-base-dev qt6-multimedia-dev libgtest-dev
  libgmock-dev libbenchmark-dev clang-format xvfb xauth xdotool fonts-ipafont-gothic imagemagick
  locales openbox x11-utils qt6-translations-l10n libboost-dev qt6-charts-dev
  appstream desktop-file-utils dpkg-dev file clang libclang-rt-dev libsqlite3-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
