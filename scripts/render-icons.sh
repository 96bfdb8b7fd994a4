#!/usr/bin/env bash
# Renders the program icon's PNG sizes and the maker's logo from their SVGs; run after editing
# an SVG and commit the result (the build installs the committed files).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh librsvg2-bin

for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" resources/icon/loanwright.svg \
        --output "resources/icon/loanwright-$size.png"
done

# The maker's logo of the About dialog, at its one size.
rsvg-convert --width 420 --height 60 resources/logo/brannock-logo.svg \
    --output resources/logo/brannock-logo.png
