#!/usr/bin/env bash
# Installs what is missing, builds the optimised configuration and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset ci
cmake --build --preset ci --target loanwright
exec build/ci/app/loanwright "$@"
