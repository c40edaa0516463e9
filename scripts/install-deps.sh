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
# A mirror in the middle of a sync answers with index files of the wrong size:
# try again a little later, and go on with the lists there are if it still fails.
for try in 1 2 3; do
  $SUDO apt-get update -qq && break
  echo "apt-get update failed (try $try of 3)"; sleep $((try * 15))
done
if ! $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null; then
  # An index of the security suite that did not come (a mirror in sync) leaves
  # 64-bit packages newer than their 32-bit twins, and Wine's 32-bit half cannot
  # be placed: take both from the main suites alone, whose versions agree.
  echo "Installing again from the main suites alone"
  parts="$(mktemp -d)"
  printf '%s\n' "Types: deb" "URIs: http://deb.debian.org/debian" "Suites: bookworm bookworm-updates" \
    "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" >"$parts/main.sources"
  main_only=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$parts")
  $SUDO apt-get "${main_only[@]}" update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get "${main_only[@]}" install -y -qq "${missing[@]}" >/dev/null
  rm -rf "$parts"
fi
