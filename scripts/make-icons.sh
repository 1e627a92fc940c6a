#!/usr/bin/env bash
# Renders the program's SVG icon into the PNG sizes that window systems ask
# for (data/icons/), which the program carries built in: reading a PNG needs
# nothing beyond Qt's own image code, while an SVG would load Qt's SVG
# library at every start. Run again after changing the SVG, and commit the
# PNGs. Needs rsvg-convert (Debian's librsvg2-bin) and optipng if present.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert: apt-get install librsvg2-bin" >&2; exit 2; }
svg=data/io.github.numberingrods.NumberingRods.svg
for size in 16 32 48 64 128; do
  rsvg-convert --width "$size" --height "$size" --output "data/icons/$size.png" "$svg"
  if command -v optipng >/dev/null; then optipng -quiet -o7 -strip all "data/icons/$size.png"; fi
done
