#!/usr/bin/env bash
# Takes the software-centre screenshot (resources/screenshot.png) of the built program under
# Xvfb, with its first-run values, a private home and the help's browser start left out.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh xvfb xauth xdotool imagemagick
preset=${1:-ci}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target loanwright

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/home"
printf '#!/bin/sh\nexit 0\n' > "$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"

HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config PATH=$scratch/bin:$PATH LC_ALL=C.UTF-8 \
    xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' bash -c '
        "$1" & program=$!
        window=$(timeout 20 xdotool search --sync --onlyvisible --class Loanwright | head -n 1)
        sleep 1
        import -window "$window" "$2"
        kill "$program"' _ "build/$preset/app/loanwright" resources/screenshot.png
echo "resources/screenshot.png: $(identify -format '%wx%h' resources/screenshot.png)"
