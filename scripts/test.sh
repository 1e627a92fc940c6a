#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, without a
# display: the test suite, then the quick shares of the robustness checks
# (sanitizers, fuzzing, valgrind; see scripts/robustness.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

export QT_QPA_PLATFORM=offscreen
source scripts/common.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs"

# The quick shares of the robustness checks; RODS_EXTRA=0 skips them.
if [ "${RODS_EXTRA:-1}" != 0 ]; then
  bash scripts/robustness.sh sanitize
  bash scripts/robustness.sh fuzz 500000
  bash scripts/robustness.sh valgrind
fi

# The test suite last, so that its summary closes the run.
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$jobs"
