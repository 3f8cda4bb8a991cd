#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Redraws the PNG icons from the SVG. The PNGs are committed, so a build needs
# no SVG renderer; run this (through `make icons`) after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.gauntry.Gauntry.svg -o "${size}x${size}.png"
done
