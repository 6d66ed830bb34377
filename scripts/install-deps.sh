#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program under Wine
# and the tests need and is not there yet.
set -euo pipefail
PACKAGES=(cmake ninja-build g++ python3 libgtest-dev googletest
          mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 xvfb x11-utils imagemagick)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
