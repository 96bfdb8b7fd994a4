#!/usr/bin/env bash
# Installs everything the build, the program, the tests and the benchmarks need on Debian 12
# (run as root); xdg-utils is how the program opens its help pages in the browser, and the
# install test checks the desktop entry and metainfo with the desktop's own validators; the
# program tells an X11 window manager which title-bar buttons its dialogs have through xcb.
# Packages named as arguments are installed too: the scripts that need more ask for it here
# (scripts/fuzz.sh adds clang's).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libboost-dev
    fonts-liberation
    locales
    clang-format clang-tidy
    xdg-utils
    desktop-file-utils appstream
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The money and separator tests run under these locales; make the ones the machine lacks.
for loc in en_US de_DE fr_FR de_CH nl_NL ja_JP en_GB; do
    if ! locale -a 2>/dev/null | grep -qix "${loc}.utf-\?8"; then
        localedef -i "$loc" -f UTF-8 "${loc}.UTF-8" \
            || echo "warning: could not generate locale ${loc}.UTF-8; its tests will be skipped" >&2
    fi
done
