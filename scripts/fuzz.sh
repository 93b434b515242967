#!/usr/bin/env bash
# Runs every fuzz target for as long as asked (default: 30 minutes each),
# keeping what it finds in build/fuzz/<target>-corpus. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
./scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/fuzz/*_fuzzer; do
  name=$(basename "$target")
  corpus=fuzz/corpus/${name%_fuzzer}
  dict=fuzz/${name%_fuzzer}.dict
  echo "== $name for $seconds s =="
  "$target" -max_total_time="$seconds" -dict="$dict" -print_final_stats=1 \
    "build/fuzz/fuzz/$name-corpus" "$corpus"
done
