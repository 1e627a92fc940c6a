#!/usr/bin/env bash
# Builds the Debian package in build-release/ and prints its path. With
# --install it also installs it with apt-get and starts the installed program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)" --target numbering-rods
(cd build-release && cpack -G DEB >/dev/null)
deb=$(ls -t "$PWD"/build-release/numbering-rods_*.deb | head -n 1)
echo "$deb"
if [ "${1:-}" = --install ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$deb" </dev/null >/dev/null
  /usr/bin/numbering-rods --version
  man -w numbering-rods
  # The installed program keeps running until it is ended.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/numbering-rods || status=$?
  [ "$status" -eq 124 ] && echo "the installed program started and kept running"
  [ "$status" -eq 124 ]
fi
