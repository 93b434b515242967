#!/usr/bin/env bash
# Builds Quillet (installing any missing Debian packages first) and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/default/app/quillet "$@"
