#!/usr/bin/env bash
# Renders the desktop icons (packaging/icons/hicolor/<n>x<n>/apps/kovran.png) from resources/images/kovran_mark.svg.
# The PNGs are committed; run this again after changing the SVG. Needs rsvg-convert (librsvg2-bin):
# ImageMagick's own SVG renderer loses the mark's gradient and clip path.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../.."

svg=resources/images/kovran_mark.svg
for size in 16 32 48 64 128 256; do
    dir=packaging/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png --output "$dir/kovran.png" "$svg"
done
