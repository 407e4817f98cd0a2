#!/bin/sh
# Installs everything the builds and tests need on a Debian 12 machine (run as root).
# Quick when all is there: dpkg-query decides whether apt-get runs at all.
set -eu
export DEBIAN_FRONTEND=noninteractive

PKGS="g++ cmake ninja-build make googletest libgtest-dev libgmock-dev libmd-dev pkg-config
 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
 wine wine32:i386 wine64 xvfb xauth xdotool imagemagick x11-apps
 fonts-liberation fonts-wine fonts-wqy-microhei python3 procps dpkg-dev clang-format"

missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing="$missing $p"
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

# Source lines, so that the Windows build can fetch libmd's Debian source once.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  if grep -q '^Types: deb$' "$f"; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    need_update=1
  fi
done
if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list && ! grep -q '^deb-src ' /etc/apt/sources.list; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >> /etc/apt/sources.list
  need_update=1
fi

if [ -n "$missing" ] || [ "$need_update" = 1 ]; then
  apt-get update -q
fi
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
fi
