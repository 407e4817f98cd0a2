#!/bin/sh
# A HID image of about 1 MiB sent by the pair worker, against the full-speed
# USB floor: natively over the simulated unit's timing model, and under Wine
# over the Windows build's own HID code against the simulated unit behind
# named pipes (bench/HidPipeBench.cpp). Prints both ratios and the load.
# Usage: sh bench/hid.sh [runs, default 3]
set -eu
runs=${1:-3}
. "$(dirname "$0")/trees.sh"
build_native_targets hid_transfer_bench
build_windows_targets hid_pipe_bench
begin_figures
i=0
while [ $i -lt "$runs" ]; do
  echo "run $((i + 1)):"
  echo "  natively, over the simulated unit: $(build/bench/bench/hid_transfer_bench)"
  echo "  under Wine, $(QUOR_WINE_TIMEOUT=300 cmake/wine-run.sh --arch "$arch" "$root/$tree/bin/hid_pipe_bench.exe" \
    2>/dev/null | tr -d '\r' | tail -1)"
  i=$((i + 1))
done
print_load
cmake/wine-stop.sh
