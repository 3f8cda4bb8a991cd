#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the suite needs to build, test and run.
# Only packages that are missing are installed; nothing happens when all are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev            # Core, Gui, Widgets, PrintSupport, Test, offscreen + xcb platforms
  qt6-tools-dev qt6-l10n-tools  # Qt's translation tools (lupdate, lrelease) and their CMake functions
  poppler-utils           # pdftotext, which the tests read exported data sheets back with
  libbenchmark-dev        # bench/
  time                    # /usr/bin/time -v for bench/startup-cpu.sh
  fonts-dejavu-core       # readable text on the offscreen and virtual displays
  dpkg-dev file           # make package: CPack's Debian generator and its library dependency scan
  desktop-file-utils appstream  # checks of the installed launcher and metainfo files
  lintian                 # the package check of the install test
  reuse                   # every file's licence and copyright (the reuse lint test)
  xvfb xauth              # the accessibility test's private X display and its cookie
  dbus-daemon             # the accessibility test's own session bus
  at-spi2-core            # its accessibility bus launcher and registry
  python3-pyatspi gir1.2-atspi-2.0  # /usr/bin/python3 reading the AT-SPI tree (tests/atspi/walk.py)
)
if [ "${1:-}" = "--fuzz" ]; then
  # make fuzz: clang++ with libFuzzer and the sanitizer runtimes, and the
  # symbolizer for readable crash reports.
  packages+=(clang libclang-rt-14-dev llvm-14)
fi
if [ "${1:-}" = "--look" ]; then
  # Tools for looking at the running suite under a virtual display.
  packages+=(xvfb xauth x11-utils xdotool imagemagick)
fi
if [ "${1:-}" = "--icons" ]; then
  # Redrawing the committed PNG icons from the SVG (scripts/make-icons.sh).
  packages+=(librsvg2-bin)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
