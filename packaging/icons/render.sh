#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert from
# librsvg2-bin). The PNGs are committed, so building needs no renderer; run
# this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "org.parabel.Parabel-$size.png" \
        org.parabel.Parabel.svg
done
