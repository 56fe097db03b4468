#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Fenoverra.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-translations-l10n libgl-dev libqt6svg6
  libfluidsynth-dev timgm6mb-soundfont
  libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
  python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
