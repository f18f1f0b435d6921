#!/usr/bin/env bash
# Renders the application icon at the hicolor sizes. The PNGs are committed,
# so a build needs no SVG renderer; run this again after changing the SVG.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "scoreboard-$size.png" scoreboard.svg
done
