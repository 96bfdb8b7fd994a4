#!/usr/bin/env bash
# Runs clang-tidy with the repo's checks on the sources a change touched: by default the
# commits of the last eight hours before HEAD (longer than any working session), or every
# commit since the revision given. Needs the ci preset configured (compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
    base=$1
else
    since=$(date -d "$(git log -1 --format=%cI) -8 hours" -Iseconds)
    base=$(git rev-list -1 --before="$since" HEAD)
    [ -n "$base" ] || base=$(git rev-list --max-parents=0 HEAD | tail -n 1)
fi
mapfile -t files < <(git diff --name-only --diff-filter=d "$base" HEAD -- 'src/*.cpp' 'app/*.cpp')
if [ ${#files[@]} -eq 0 ]; then
    echo "clang-tidy: no source changed since $base"
    exit 0
fi
echo "clang-tidy: ${#files[@]} files changed since $base"
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build/ci --quiet
