#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt, starts the installed program
# under Xvfb with a private home and a logging xdg-open first on PATH, checks that the first
# run opened its help from /usr/lib/loanwright/help/, closes the window and removes the package,
# checking that none of its files is left behind. Changes the system: not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh xvfb xauth xdotool x11-utils
package=$(bash scripts/build-deb.sh | tail -n 1)
export DEBIAN_FRONTEND=noninteractive

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/home"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/opened"\n' "$scratch" > "$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"

echo "== installing $(basename "$package")"
apt-get install -y -qq "$package" >/dev/null
dpkg-query -W -f='${Package} ${Version}\nDepends: ${Depends}\nRecommends: ${Recommends}\n' loanwright
dpkg -L loanwright > "$scratch/files"

echo "== starting /usr/bin/loanwright under Xvfb"
HOME=$scratch/home PATH=$scratch/bin:$PATH xvfb-run --auto-servernum bash -c '
    /usr/bin/loanwright & program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --class Loanwright | head -n 1)
    xprop -id "$window" WM_CLASS _NET_WM_NAME
    for _ in $(seq 50); do [ -s "$1/opened" ] && break; sleep 0.2; done
    # Exit through the File menu, as a user would; the close saves the settings.
    xdotool windowfocus --sync "$window" key alt+f
    sleep 0.5
    xdotool key x
    timeout 10 tail --pid="$program" -f /dev/null && echo "window closed"' _ "$scratch"

status=0
echo "== xdg-open was asked to open:"
cat "$scratch/opened" 2>/dev/null || true
grep -q '/usr/lib/loanwright/help/getting-started.html' "$scratch/opened" 2>/dev/null \
    || { echo "FAIL: the first run did not open the installed help"; status=1; }
settings=$scratch/home/.config/Ferrowind/Loanwright/lwcalc.ini
[ -f "$settings" ] || { echo "FAIL: the close saved no settings"; status=1; }

echo "== removing the package"
apt-get remove -y -qq loanwright >/dev/null
left=0
while read -r path; do
    [ -d "$path" ] && [ ! -L "$path" ] && continue
    [ -e "$path" ] || [ -L "$path" ] || continue
    echo "left behind: $path"; left=1
done < "$scratch/files"
for folder in /usr/lib/loanwright /usr/share/doc/loanwright; do
    [ ! -e "$folder" ] || { echo "left behind: $folder"; left=1; }
done
[ "$left" -eq 0 ] && echo "no file of the package is left; the user's settings stay: ${settings#"$scratch"/}"
[ -f "$settings" ] || { echo "FAIL: the user's settings went with the package"; status=1; }
[ "$left" -eq 0 ] || status=1
[ "$status" -eq 0 ] && echo "== package check passed"
exit "$status"
