#!/bin/sh
# Start benchmark: the manager against an empty dialog program of the same
# size (bench/EmptyDialog), both built with the same toolchain, each started
# under Wine on a virtual display, cold (no wineserver running) and warm
# (wineserver and its desktop already up), in pairs. Prints the medians of
# "window shown" and "first page shown" (seconds from the start command) and
# the manager's ratio to the empty dialog; then the UI watchdog's longest
# stall at start-up and close of the manager's main window.
# Usage: sh bench/start.sh [runs per kind, default 7]
set -eu
runs=${1:-7}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
arch=$(cmake/wine-arch.sh)
case "$arch" in
  win32) toolchain=cmake/mingw32-toolchain.cmake ;;
  *) toolchain=cmake/mingw64-toolchain.cmake ;;
esac
tree="build/$arch"
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "$tree" -j3 --target QuorDeviceManager EmptyDialog StartProbe UiStall >/dev/null
# A prefix of its own, so that stopping its server for the cold runs stops
# nothing else.
export WINEPREFIX="$root/$tree/benchprefix"
unset DISPLAY
bin="$root/$tree/bin"
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# One start: prints "<kind> <program> <shown> <page>" in seconds from the command.
measure() {
  kind=$1 name=$2 exe=$3 title=$4
  [ "$kind" = cold ] && cmake/wine-stop.sh
  t0=$(date +%s.%N)
  line=$(QUOR_WINE_TIMEOUT=120 cmake/wine-run.sh --arch "$arch" "$bin/StartProbe.exe" "$(winpath "$exe")" "$title" \
         2>/dev/null | grep '^launched' || true)
  [ -n "$line" ] || { echo "bench: $name did not show its window" >&2; return 1; }
  echo "$line" | awk -v k="$kind" -v n="$name" -v t0="$t0" '{ printf "%s %s %.4f %.4f\n", k, n, $4 - t0, $6 - t0 }'
}

# Prepares the prefix once, outside the figures.
QUOR_WINE_TIMEOUT=120 cmake/wine-run.sh --arch "$arch" cmd.exe /c exit >/dev/null 2>&1 || true
for kind in cold warm; do
  i=0
  while [ $i -lt "$runs" ]; do
    # Pairs alternate which program goes first.
    if [ $((i % 2)) -eq 0 ]; then order="manager empty"; else order="empty manager"; fi
    for name in $order; do
      if [ "$name" = manager ]; then
        measure "$kind" manager "$bin/QuorDeviceManager.exe" "Quor Bluetooth Device Manager" >>"$results"
      else
        measure "$kind" empty "$bin/EmptyDialog.exe" "Empty Dialog" >>"$results"
      fi
    done
    i=$((i + 1))
  done
done
python3 - "$results" <<'PY'
import statistics, sys
rows = [l.split() for l in open(sys.argv[1]) if l.strip()]
def med(kind, name, col):
    return statistics.median(float(r[col]) for r in rows if r[0] == kind and r[1] == name)
print("start of the manager against an empty dialog of the same size, medians over %d runs each"
      % (len(rows) // 4))
print("%-5s %-18s %9s %9s %7s" % ("", "", "manager", "empty", "ratio"))
for kind in ("cold", "warm"):
    for col, what in ((2, "window shown"), (3, "first page shown")):
        m, e = med(kind, "manager", col), med(kind, "empty", col)
        print("%-5s %-18s %8.3fs %8.3fs %6.2fx" % (kind, what, m, e, m / e))
PY
QUOR_WINE_TIMEOUT=300 cmake/wine-run.sh --arch "$arch" "$bin/UiStall.exe" 5 2>/dev/null | tail -1
cmake/wine-stop.sh
