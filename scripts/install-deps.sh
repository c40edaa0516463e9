#!/usr/bin/env bash
# Installs what the build, the tests and the gallery need on Debian 12.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(cmake make g++ g++-mingw-w64-i686 clang llvm libz-mingw-w64-dev zlib1g-dev googletest
          wine wine32:i386 xvfb xauth imagemagick fonts-wqy-microhei
          # Wine's own fonts: the system frame draws its caption buttons in Marlett.
          fonts-wine)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
