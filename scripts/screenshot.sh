#!/bin/sh
# Starts a Windows program under Wine on the prefix's virtual display, waits
# for its window, waits for it to settle, saves a PNG of the window and ends
# the program.  Usage: screenshot.sh <arch> <exe> <window title> <out.png> [settle seconds]
set -u
arch=$1 exe=$2 title=$3 out=$4 settle=${5:-1.5}
here=$(cd "$(dirname "$0")/.." && pwd)
: "${WINEPREFIX:?set WINEPREFIX}"
unset DISPLAY
QUOR_WINE_TIMEOUT=60 "$here/cmake/wine-run.sh" --arch "$arch" "$exe" >/dev/null 2>"$out.log" &
pid=$!
wid=""
i=0
# The display is known once wine-run.sh has started the prefix's Xvfb.
while [ ! -s "${WINEPREFIX}.run/display" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done
DISPLAY=$(cat "${WINEPREFIX}.run/display" 2>/dev/null); export DISPLAY
i=0
while [ -z "$wid" ] && [ $i -lt 300 ]; do
  wid=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
  [ -n "$wid" ] || { sleep 0.1; i=$((i+1)); }
done
rc=0
if [ -z "$wid" ]; then
  echo "screenshot: no window \"$title\" appeared" >&2
  rc=1
else
  sleep "$settle"
  geometry=$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null) || geometry=""
  [ -n "$geometry" ] || { echo "screenshot: the window went away" >&2; kill "$pid" 2>/dev/null; exit 1; }
  eval "$geometry"
  import -window root "$out.full.png"
  convert "$out.full.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
  rm -f "$out.full.png"
  echo "screenshot: $out"
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if grep -q "wine: Unhandled" "$out.log" 2>/dev/null; then
  echo "screenshot: the program crashed" >&2
  cat "$out.log" >&2
  rc=1
fi
[ $rc -ne 0 ] || rm -f "$out.log"
exit $rc
