#!/usr/bin/env bash
# Builds and runs the whole test suite: once in the normal build (g++), once
# under AddressSanitizer + UndefinedBehaviorSanitizer (clang), with a bounded
# run of each fuzz target, and once cross-compiled for Windows and run under
# wine. Any failure stops the script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

log=$(mktemp)
# The Windows tests leave no wine server behind, even when a step fails.
stop_wine() { [ -d build/windows/wine ] && ctest --preset windows -R '^emulator_session_stop$' >/dev/null 2>&1 || true; }
trap 'rm -f "$log"; stop_wine' EXIT
total=0
run_suite() { # preset
  echo "== $1 =="
  local start=$SECONDS
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1" 2>&1 | tee "$log"
  total=$((total + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
  echo "== $1: $((SECONDS - start)) s =="
}

run_suite default
run_suite asan
run_suite windows
echo "All suites: $total passed, 0 failed"
