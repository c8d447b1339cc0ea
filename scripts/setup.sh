#!/bin/sh
# Installs the Debian packages that the builds, tests and tools need, only those that are missing.
# Safe to run any number of times.
set -e

PACKAGES="
  make cmake g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64
  xvfb xauth x11-utils xdotool imagemagick
  fonts-wqy-microhei fonts-dejavu-core
  python3 python3-pil
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

echo "setup: installing$missing"
SUDO=""
if [ "$(id -u)" != "0" ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq $missing
