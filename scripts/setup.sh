#!/bin/sh
# Installs the Debian packages the build and the tests need; only the missing ones.
set -eu
PACKAGES="cmake make g++ libgtest-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 \
binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64 xvfb xdotool \
imagemagick x11-utils clang libclang-rt-14-dev zip unzip"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
