#!/usr/bin/env bash
# Builds the optimised configuration and packs it as a Debian package in build/ci, then has
# lintian check the package. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev, which calls file) computes the package's library dependencies.
bash scripts/install-deps.sh dpkg-dev file lintian >&2

cmake --preset ci >/dev/null
cmake --build --preset ci --target loanwright lw_documents
(cd build/ci && rm -f loanwright_*.deb && cpack -G DEB >&2)
package=$(ls build/ci/loanwright_*.deb)
# Warnings are listed and explained in the README's Install section; errors stop here.
lintian --fail-on error "$package" >&2
realpath "$package"
