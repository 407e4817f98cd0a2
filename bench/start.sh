#!/bin/sh
# Start benchmark: the manager against an empty dialog program of the same
# size and style (bench/EmptyDialog), both built with the same toolchain, each
# started under Wine on a virtual display, cold (no wineserver running; the
# display is up) and warm (wineserver and its desktop already up), in pairs.
# Each start is seen from the X display (bench/start_watch.py): the clock starts
# with the program's command, "window shown" is when its window is mapped,
# "first page shown" when its page area was last painted before it settled, and
# the peak working set is the Wine process's peak resident size.
# Prints the medians with the manager's ratios to the empty dialog, then the UI
# watchdog's longest stalls of the manager's main window (bench/UiStall), and
# the machine's load before and after.
# Usage: sh bench/start.sh [runs per kind, default 7]
set -eu
runs=${1:-7}
. "$(dirname "$0")/trees.sh"
build_windows_targets QuorDeviceManager EmptyDialog UiStall
begin_figures
unset DISPLAY
bin="$root/$tree/bin"
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# Prepares the prefix and its display once, outside the figures; the starts
# below run Wine directly, with the environment cmake/wine-run.sh gives it.
QUOR_WINE_TIMEOUT=120 cmake/wine-run.sh --arch "$arch" cmd.exe /c exit >/dev/null 2>&1 || true
DISPLAY=$(cat "$WINEPREFIX.run/display")
export DISPLAY WINEARCH="$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
. cmake/wine-env.sh

# One start: prints "<kind> <program> <shown> <page> <peak KiB>".
measure() {
  kind=$1 name=$2 exe=$3 title=$4
  if [ "$kind" = cold ]; then
    # This prefix's server only; the display stays up.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -f "$WINEPREFIX.run/services"
  else
    QUOR_WINE_TIMEOUT=120 cmake/wine-run.sh --arch "$arch" cmd.exe /c exit >/dev/null 2>&1 || true
  fi
  line=$(python3 bench/start_watch.py "$title" 60 timeout -k 5 60 wine "$exe") ||
    { echo "bench: $name did not show its window and page" >&2; return 1; }
  echo "$line" | awk -v k="$kind" -v n="$name" '{ print k, n, $2, $4, $6 }'
}

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
print("start of the manager against an empty dialog of the same size and style, medians over %d runs each"
      % (len(rows) // 4))
print("%-5s %-28s %9s %9s %7s" % ("", "", "manager", "empty", "ratio"))
for kind in ("cold", "warm"):
    for col, what in ((2, "window shown"), (3, "first page shown")):
        m, e = med(kind, "manager", col), med(kind, "empty", col)
        print("%-5s %-28s %8.3fs %8.3fs %6.2fx" % (kind, what, m, e, m / e))
    m = med(kind, "manager", 3) - med(kind, "manager", 2)
    e = med(kind, "empty", 3) - med(kind, "empty", 2)
    print("%-5s %-28s %7.0fms %7.0fms" % (kind, "first page after the window", m * 1000, e * 1000))
    m, e = med(kind, "manager", 4), med(kind, "empty", 4)
    print("%-5s %-28s %6.1fMiB %6.1fMiB %6.2fx" % (kind, "peak working set", m / 1024, e / 1024, m / e))
PY
QUOR_WINE_TIMEOUT=300 cmake/wine-run.sh --arch "$arch" "$bin/UiStall.exe" 5 2>/dev/null | tr -d '\r' | grep -v '^run '
print_load
cmake/wine-stop.sh
