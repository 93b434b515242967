#!/usr/bin/env bash
# Builds and runs the whole test suite: once in the normal build, once under
# AddressSanitizer + UndefinedBehaviorSanitizer, then a bounded run of each
# fuzz target. Any failure stops the script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in default asan; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== bounded fuzzing =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
