#!/bin/sh
# Renders the icon's PNG sizes from its SVG. Run by hand after changing the
# SVG (needs rsvg-convert from librsvg2-bin); the PNGs are kept in git so a
# build does not need it.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" orvi-math-tutor.svg -o "orvi-math-tutor-$size.png"
done
