#!/usr/bin/env bash
# Stages `cmake --install` into a temporary DESTDIR and checks what a user's system would get:
# the file list, the bin link, the desktop entry and metainfo as the desktop's own validators
# see them, the icon sizes, and that the staged program finds its data through the link.
# Usage: check_install.sh <build folder> <source folder> <version> <application id>
set -euo pipefail
build=$1 source=$2 version=$3 id=$4

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stage=$scratch/stage
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

sizes=(16 22 24 32 48 64 128 256)
{
    echo usr/bin/loanwright
    echo usr/lib/loanwright/License.txt
    echo usr/lib/loanwright/loanwright
    for page in "$source"/resources/help/*; do echo "usr/lib/loanwright/help/${page##*/}"; done
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
    for size in "${sizes[@]}"; do echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"; done
    echo usr/share/doc/loanwright/changelog.gz
    echo usr/share/doc/loanwright/copyright
    echo usr/share/man/man1/loanwright.1.gz
} | sort > "$scratch/expected"
(cd "$stage" && find . -type f -o -type l) | sed 's|^\./||' | sort > "$scratch/installed"
diff -u "$scratch/expected" "$scratch/installed" || fail "installed files differ from the expected list"

[ "$(readlink "$stage/usr/bin/loanwright")" = ../lib/loanwright/loanwright ] \
    || fail "bin/loanwright is not the relative link to the program"
cmp -s "$source/LICENSE" "$stage/usr/lib/loanwright/License.txt" \
    || fail "License.txt is not the repository's LICENSE"

for size in "${sizes[@]}"; do
    png=$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk \
        '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$size px icon is ${width}x$height"
done

desktop=$stage/usr/share/applications/$id.desktop
metainfo=$stage/usr/share/metainfo/$id.metainfo.xml
report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] \
    || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli found errors"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo names another release"

# The staged program through its link, from elsewhere, with no display and a private home.
run() {
    (cd / && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$scratch/home" QT_QPA_PLATFORM=offscreen \
        XDG_CONFIG_HOME="$scratch/home/.config" "$stage/usr/bin/loanwright" "$@")
}
folder=$(run --data-folder) || fail "--data-folder failed"
[ "$folder" = "$(realpath "$stage")/usr/lib/loanwright/" ] \
    || fail "data folder is '$folder', not the staged lib/loanwright/"
for needed in help/index.html help/getting-started.html License.txt; do
    [ -f "$folder$needed" ] || fail "the program's folder has no $needed"
done
[ "$(run --version)" = "Loanwright $version" ] || fail "--version says '$(run --version)'"
run --help | grep -q -- --data-folder || fail "--help does not list --data-folder"
[ ! -e "$scratch/home/.config" ] || fail "answering on the console wrote settings"

[ "$failures" -eq 0 ] && echo "install layout: all checks passed"
exit "$failures"
