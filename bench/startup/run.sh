#!/usr/bin/env bash
# Time from start to first painted window and peak memory of a program, measured against a
# bare Qt window in the same run on a private Xvfb, with medians and ratios of the two.
set -euo pipefail

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$script_dir/../.." && pwd)

runs=14
settle_ms=1500
timeout_ms=30000
first_display=97
budget=1.2
build_dir=${LW_STARTUP_BUILD_DIR:-$root/build/startup}
watch_src=${XSTARTWATCH_SRC:-$root/../shared/tools/xstartwatch.c}

usage() {
    cat <<EOF
usage: ${0##*/} [-n runs] [-b build_dir] [-w xstartwatch.c] [-s settle_ms] [-- program [args...]]

Runs the bare reference window and the program alternately, 'runs' times each (default $runs),
and prints each run, the medians and the ratios program / bare.
  -b  build folder for the reference window and the watcher
      (default \$LW_STARTUP_BUILD_DIR or build/startup)
  -w  source of the watcher (default \$XSTARTWATCH_SRC or ../shared/tools/xstartwatch.c)
  -s  time the program stays up after its first paint before memory is read (default $settle_ms)
The program defaults to build/ci/app/loanwright.
Exit status: 0 when every run reached a painted window, 1 otherwise, 2 on bad usage.
EOF
}

die() {
    echo "${0##*/}: $*" >&2
    exit 2
}

is_count() {
    [[ $1 =~ ^[1-9][0-9]*$ ]]
}

parse_options() {
    local opt
    while getopts ':n:b:w:s:h' opt; do
        case $opt in
        n) runs=$OPTARG ;;
        b) build_dir=$OPTARG ;;
        w) watch_src=$OPTARG ;;
        s) settle_ms=$OPTARG ;;
        h) usage; exit 0 ;;
        :) die "option -$OPTARG needs a value" ;;
        *) usage >&2; exit 2 ;;
        esac
    done
    is_count "$runs" || die "runs must be a positive whole number: $runs"
    [[ $settle_ms =~ ^[0-9]+$ ]] || die "settle time must be whole milliseconds: $settle_ms"
    [[ -f $watch_src ]] || die "watcher source not found: $watch_src (use -w or XSTARTWATCH_SRC)"
    mkdir -p "$build_dir"
    build_dir=$(cd "$build_dir" && pwd)
}

# A package counts as present only when it is fully installed, not merely remembered by dpkg.
is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

install_missing() {
    local wanted=(xvfb libx11-dev libxext-dev libxdamage-dev gcc g++ libc6-dev make cmake
        ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev)
    local missing=() pkg
    for pkg in "${wanted[@]}"; do
        is_installed "$pkg" || missing+=("$pkg")
    done
    ((${#missing[@]} == 0)) && return 0
    ((EUID == 0)) || die "missing packages, install them as root: ${missing[*]}"
    echo "installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y --no-install-recommends "${missing[@]}" >&2 ||
        { apt-get update >&2 && apt-get install -y --no-install-recommends "${missing[@]}" >&2; }
}

build_tools() {
    watch=$build_dir/xstartwatch
    if [[ ! -x $watch || $watch_src -nt $watch ]]; then
        cc -O2 -o "$watch" "$watch_src" -lX11 -lXext -lXdamage
    fi
    if [[ ! -f $build_dir/build.ninja ]]; then
        cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DLW_BUILD_TESTS=ON -DLW_BUILD_BENCH=ON >&2
    fi
    ninja -C "$build_dir" -j2 lw_bare_window >&2
    bare=$build_dir/bench/startup/lw_bare_window
}

cleanup() {
    if [[ -n ${xvfb_pid:-} ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ -n ${work:-} ]]; then
        rm -rf "$work"
    fi
}

# Xvfb reports the display on -displayfd once it accepts clients; a display another program
# grabbed between our check and the start makes Xvfb exit, and the next number is tried.
start_xvfb() {
    local n waited
    for ((n = first_display; n < first_display + 40; ++n)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        : >"$work/display"
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 \
            3>"$work/display" >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for ((waited = 0; waited < 100; ++waited)); do
            if [[ -s $work/display ]]; then
                display=:$n
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    die "no free display from :$first_display on (see $work/xvfb.log)"
}

# Both programs see the same fresh home; the settings file marks the program as run before so
# it does not open its help on start, and a silent xdg-open catches any address it opens.
prepare_environment() {
    mkdir -p "$work/bin" "$work/cache"
    printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
}

fresh_home() {
    local home
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -p "$home/.config/Ferrowind/Loanwright" "$home/runtime"
    chmod 700 "$home/runtime"
    printf '[GeneralValues]\nRun=1\n' >"$home/.config/Ferrowind/Loanwright/lwcalc.ini"
    printf '%s' "$home"
}

# Prints the watcher's tab-separated line; the font cache is shared so that only the first,
# uncounted run of each program pays for filling it.
watch_once() {
    local home
    home=$(fresh_home)
    env -u WAYLAND_DISPLAY -u SESSION_MANAGER -u QT_QPA_PLATFORM \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_RUNTIME_DIR="$home/runtime" XDG_CACHE_HOME="$work/cache" \
        DISPLAY="$display" QT_QPA_PLATFORM=xcb BROWSER=true PATH="$work/bin:$PATH" \
        "$watch" -t "$timeout_ms" -s "$settle_ms" -- "$@" || true
    rm -rf "$home"
}

median() {
    (($# > 0)) || { echo nan; return 0; }
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR == 0) print "nan"
              else if (NR % 2) print v[(NR + 1) / 2]
              else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Records one run of one side ("bare" or "prog") and prints its row.
measure() {
    local side=$1 run=$2 line
    shift 2
    line=$(watch_once "$@")
    local status map paint cpu runq hwm threads libs width height
    IFS=$'\t' read -r status map paint cpu runq hwm _ threads libs _ _ width height <<<"$line"
    printf '%3d  %-4s  %-8s %8s %8s %8s %8s %9s %4s %5s  %sx%s\n' "$run" "$side" \
        "${status:-none}" "$map" "$paint" "$cpu" "$runq" \
        "$(awk -v k="${hwm:--1}" 'BEGIN { if (k < 0) print "-"; else printf "%.1f", k / 1024 }')" \
        "$threads" "$libs" "${width:-?}" "${height:-?}"
    if [[ ${status:-} != ok ]]; then
        failures=$((failures + 1))
        return 0
    fi
    if [[ $side == bare ]]; then
        bare_paint+=("$paint") bare_hwm+=("$hwm") bare_runq+=("$runq")
    else
        prog_paint+=("$paint") prog_hwm+=("$hwm") prog_runq+=("$runq")
    fi
}

ratio_line() {
    local what=$1 unit=$2 bare_med=$3 prog_med=$4
    awk -v w="$what" -v u="$unit" -v b="$bare_med" -v p="$prog_med" -v lim="$budget" 'BEGIN {
        if (b == "nan" || p == "nan" || b <= 0) { printf "%-15s no ratio: too few good runs\n", w; exit }
        r = p / b
        printf "%-15s bare %8.1f %s   program %8.1f %s   ratio %.2f  (budget %.1f: %s)\n",
            w, b, u, p, u, r, lim, r <= lim ? "within" : "OVER"
    }'
}

report() {
    local bare_ms prog_ms bare_kb prog_kb
    bare_ms=$(median "${bare_paint[@]}")
    prog_ms=$(median "${prog_paint[@]}")
    bare_kb=$(median "${bare_hwm[@]}")
    prog_kb=$(median "${prog_hwm[@]}")
    echo
    echo "medians over good runs: bare ${#bare_paint[@]}/$runs, program ${#prog_paint[@]}/$runs"
    ratio_line "ms to painted" ms "$bare_ms" "$prog_ms"
    ratio_line "peak RSS" MiB "$(awk -v k="$bare_kb" 'BEGIN { print k == "nan" ? k : k / 1024 }')" \
        "$(awk -v k="$prog_kb" 'BEGIN { print k == "nan" ? k : k / 1024 }')"
    echo "waiting for a CPU (runq ms, median): bare $(median "${bare_runq[@]}")," \
        "program $(median "${prog_runq[@]}")"
}

main() {
    parse_options "$@"
    shift $((OPTIND - 1))
    local program=("$@")
    ((${#program[@]} > 0)) || program=("$root/build/ci/app/loanwright")
    [[ ${program[0]} == */* && ${program[0]} != /* ]] && program[0]=$PWD/${program[0]}
    [[ -x ${program[0]} ]] || die "program not found or not executable: ${program[0]}"

    install_missing
    build_tools
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    work=$(mktemp -d "${TMPDIR:-/tmp}/lw-startup.XXXXXX")
    prepare_environment
    start_xvfb

    echo "display $display, $runs runs each, settle $settle_ms ms"
    echo "bare:    $bare"
    echo "program: ${program[*]}"
    watch_once "$bare" >/dev/null
    watch_once "${program[@]}" >/dev/null
    echo "run  side  status     map_ms paint_ms   cpu_ms  runq_ms  peak_MiB  thr  libs  window"
    failures=0
    bare_paint=() bare_hwm=() bare_runq=() prog_paint=() prog_hwm=() prog_runq=()
    local run
    for ((run = 1; run <= runs; ++run)); do
        measure bare "$run" "$bare"
        measure prog "$run" "${program[@]}"
    done
    report
    if ((failures > 0)); then
        echo "$failures run(s) did not reach a painted window" >&2
        exit 1
    fi
}

main "$@"
