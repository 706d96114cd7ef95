#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan and runs one of them.
#   scripts/fuzz.sh [target] [seconds]     e.g. scripts/fuzz.sh receiver-fuzzer 600
# New inputs go to build-fuzz/corpus/<name>; the committed seeds in fuzz/corpus stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-receiver-fuzzer}"
seconds="${2:-60}"
name="${target%-fuzzer}"

./scripts/install-deps.sh fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DAEC_FUZZ=ON -DAEC_BUILD_TESTS=OFF -DAEC_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$target"

mkdir -p "build-fuzz/corpus/$name"
exec "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
  "build-fuzz/corpus/$name" "fuzz/corpus/$name"
