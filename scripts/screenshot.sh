#!/usr/bin/env bash
# Works a problem in the real window (multiplicator 307, multiplicand 12) and
# saves the pictures the README shows: docs/screenshot.png, and the product's
# working at its second step, docs/working.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/common.sh
cmake -S . -B build >/dev/null
cmake --build build --parallel "$(nproc)" --target numbering-rods-screenshot
QT_QPA_PLATFORM=offscreen build/tools/numbering-rods-screenshot docs/screenshot.png 307 000012 docs/working.png
echo docs/screenshot.png docs/working.png
