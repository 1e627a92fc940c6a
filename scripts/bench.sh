#!/usr/bin/env bash
# Builds the benchmark in Release and runs it: click handling and repaint,
# start-up and peak memory against a bare Qt window. Arguments: repetitions
# per click (default 200) and start-up runs per window (default 40).
# With BENCH_X11=1 the windows run on an Xvfb display instead of offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/common.sh

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)" --target numbering-rods-bench
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -h | awk '/Mem:/ {print $2}') memory"
if [ "${BENCH_X11:-0}" = 1 ]; then
  command -v xvfb-run >/dev/null || { echo "BENCH_X11=1 needs xvfb (apt-get install xvfb xauth)" >&2; exit 2; }
  QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 1280x800x24" build-release/bench/numbering-rods-bench "$@"
fi
QT_QPA_PLATFORM=offscreen exec build-release/bench/numbering-rods-bench "$@"
