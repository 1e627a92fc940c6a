#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs,
# but only those that are missing. Run as root, or with sudo at hand.
set -euo pipefail

# qt6-wayland lets the program run natively on Wayland desktops.
packages=(cmake make g++ qt6-base-dev qt6-l10n-tools gettext qt6-qpa-plugins qt6-wayland fonts-liberation2 fonts-dejavu-core)
case "${1:-}" in
test) packages+=(qt6-translations-l10n clang clang-format libclang-rt-14-dev valgrind desktop-file-utils appstream dpkg-dev weston lintian poppler-utils locales) ;;
package) packages+=(dpkg-dev lintian) ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" </dev/null
