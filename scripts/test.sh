#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, without a
# display. RODS_SANITIZE=0 skips the second run under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/rods-runtime.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$jobs"
