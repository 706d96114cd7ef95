#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs the whole test suite, then builds the Debian package and checks what it installs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DAEC_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
(cd build-test && ctest --output-on-failure -j"$(nproc)" "$@")
# The Debian package, from a release build of its own, unpacked and checked file by file.
# AEC_SKIP_PACKAGE_CHECK=1 leaves it out of a quick run.
[ "${AEC_SKIP_PACKAGE_CHECK:-0}" = 1 ] || ./packaging/check-install.sh
