#!/usr/bin/env bash
# Works a problem in the real window (multiplicator 307, multiplicand 12) and
# saves the pictures the README shows: docs/screenshot.png, and the product's
# working at its second step, docs/working.png, and its first step worked by
# a learner after a slip, docs/work-it-yourself.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/common.sh
cmake -S . -B build >/dev/null
cmake --build build --parallel "$(nproc)" --target numbering-rods-screenshot
QT_QPA_PLATFORM=offscreen build/tools/numbering-rods-screenshot docs/screenshot.png 307 000012 docs/working.png \
    docs/work-it-yourself.png 624
echo docs/screenshot.png docs/working.png docs/work-it-yourself.png
