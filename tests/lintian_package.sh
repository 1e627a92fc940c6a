#!/bin/sh
# Builds the Debian package from a build directory and has lintian check it:
# no errors and no warnings. Exits 77 (CTest's "skipped") without lintian.
#   lintian_package.sh build-directory
set -u
command -v lintian >/dev/null 2>&1 || { echo "skipped: lintian is not installed"; exit 77; }
command -v dpkg-shlibdeps >/dev/null 2>&1 || { echo "skipped: dpkg-dev is not installed"; exit 77; }
out=$(mktemp -d "${TMPDIR:-/tmp}/rods-package.XXXXXX") || exit 1
trap 'rm -rf "$out"' EXIT INT TERM
(cd "$1" && cpack -G DEB -B "$out" >/dev/null) || { echo "cpack failed"; exit 1; }
deb=$(ls "$out"/numbering-rods_*.deb) || exit 1
lintian --fail-on error,warning "$deb"
