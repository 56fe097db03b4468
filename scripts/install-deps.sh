#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages needed to build, run and test Fenoverra.
# Idempotent: does nothing when every package and the Italian locale are there.
#   scripts/install-deps.sh --deb   also what scripts/make-deb.sh packs and checks with
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-translations-l10n libgl-dev libqt6svg6
  libfluidsynth-dev timgm6mb-soundfont
  libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
  python3 locales
)
if [ "${1:-}" = --deb ]; then
  PACKAGES+=(dpkg-dev file lintian appstream desktop-file-utils)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number tests also run under the Italian locale, which must not change
# how the program writes numbers.
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
  echo "Generating the it_IT.UTF-8 locale"
  if grep -q '^[# ]*it_IT\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    $SUDO sed -i 's/^[# ]*\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  else
    echo 'it_IT.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
