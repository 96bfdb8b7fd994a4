#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one (or those named after the minutes:
# numeric_text, entry, markup, profile) for the given minutes (default 1),
# starting from its seed corpus in fuzz/corpus/<target>. Fails on the first crash, leak or
# timeout; the input that caused it is left in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-1}"
targets=(numeric_text entry markup profile)
[ $# -gt 1 ] && targets=("${@:2}")

# clang links libFuzzer and the sanitizer runtimes from the compiler-rt package.
bash scripts/install-deps.sh clang libclang-rt-14-dev

cmake --preset fuzz
cmake --build --preset fuzz --target "${targets[@]/%/_fuzz}"

for target in "${targets[@]}"; do
    # New inputs go to a working corpus in the build tree; the seeds in the repository stay small.
    work="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    mkdir -p "$work" "$findings"
    dictionary=()
    [ -f "fuzz/$target.dict" ] && dictionary=("-dict=fuzz/$target.dict")
    echo "== $target: $minutes min"
    "build/fuzz/fuzz/${target}_fuzz" "${dictionary[@]}" \
        -max_total_time=$((minutes * 60)) -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" -print_final_stats=1 \
        "$work" "fuzz/corpus/$target"
done
