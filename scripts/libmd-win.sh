#!/bin/sh
# Builds libmd's MD5 for a mingw-w64 target from Debian's libmd source package,
# once; later calls find the cached build.  Usage: libmd-win.sh <triplet> <cache dir>
# Prints the cache dir (with include/md5.h and lib/libmd.a) on success.
set -eu
triplet=$1
root=$2/$triplet
if [ -f "$root/lib/libmd.a" ] && [ -f "$root/include/md5.h" ]; then
  echo "$root"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(
  cd "$work"
  # Source lines are enabled by scripts/setup.sh; apt-get source needs no root.
  apt-get source -q libmd >/dev/null 2>&1 || { apt-get update -q >/dev/null 2>&1; apt-get source -q libmd >/dev/null; }
) 1>&2
src=$(find "$work" -maxdepth 1 -type d -name 'libmd-*' | head -1)
[ -n "$src" ] || { echo "libmd-win: no libmd source" >&2; exit 1; }
mkdir -p "$work/build" "$root/include" "$root/lib"
: > "$work/build/config.h"
"$triplet-gcc-posix" -O2 -I"$work/build" -I"$src/include" -c "$src/src/md5.c" -o "$work/build/md5.o"
rm -f "$root/lib/libmd.a"
"$triplet-ar" rcs "$root/lib/libmd.a" "$work/build/md5.o"
cp "$src/include/md5.h" "$root/include/md5.h"
echo "$root"
