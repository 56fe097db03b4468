#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package fenoverra_<version>-1_<arch>.deb in the top folder
# and checks it:
#   scripts/make-deb.sh            then   sudo apt install ./fenoverra_*.deb
# A Release build in build-deb/, without tests or benchmarks and without
# -Werror (a newer compiler's new warnings must not stop a package build),
# with Debian's hardening flags (those already set in the environment win),
# installed into /usr and packed by CPack (cmake/package.cmake). Then the
# checks: appstreamcli, desktop-file-validate, and lintian, which fails the
# run on any error or on a warning not accepted below.
set -euo pipefail

# lintian's warnings left, each for its reason:
#   initial-upload-closes-no-bugs  the package is made here, not uploaded to
#     Debian, so its first changelog entry closes no "intent to package" bug.
accepted=(initial-upload-closes-no-bugs)

cd "$(dirname "$0")/.."
./scripts/install-deps.sh --deb

export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
for flags in CPPFLAGS CXXFLAGS LDFLAGS; do
    [ -n "${!flags:-}" ] || export "$flags=$(dpkg-buildflags --get "$flags")"
done

dir=build-deb
# The flags are given at every configure: CMake would read CXXFLAGS and
# LDFLAGS from the environment at the first one only.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DFENOVERRA_BENCH=OFF -DFENOVERRA_WERROR=OFF \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DFENOVERRA_CPPFLAGS="$CPPFLAGS" >/dev/null
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/fenoverra_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
rm -f fenoverra_*.deb
mv "$dir"/fenoverra_*.deb .
deb=$(echo fenoverra_*.deb)
echo "package: $deb"

appstreamcli validate --no-net "$dir"/doc/*.metainfo.xml
desktop-file-validate resources/fenoverra.desktop
lintian --fail-on error,warning --suppress-tags "$(IFS=,; echo "${accepted[*]}")" "$deb"
echo "lintian: no error; warnings accepted as explained in $0: ${accepted[*]}"
