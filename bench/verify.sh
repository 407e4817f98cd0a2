#!/bin/sh
# Image verification against md5sum on the same file, warm cache, best of
# several runs each, in pairs: the Windows build's way of reading the image
# (the shipped program's) under Wine, and the native build's. Prints both
# ratios and the machine's load.
# Usage: sh bench/verify.sh [runs, default 7] [megabytes, default 256]
set -eu
runs=${1:-7}
megabytes=${2:-256}
. "$(dirname "$0")/trees.sh"
build_native_targets firmware_container_bench
build_windows_targets firmware_container_bench
begin_figures
image=$(mktemp --suffix=.img)
trap 'rm -f "$image"' EXIT
build/bench/bench/firmware_container_bench make "$image" "$megabytes"
winimage=$(printf 'Z:%s' "$image" | tr / '\\')
wine_verify() {
  QUOR_WINE_TIMEOUT=300 cmake/wine-run.sh --arch "$arch" "$root/$tree/bin/firmware_container_bench.exe" \
    verify "$winimage" 1 2>/dev/null | tr -d '\r' | tail -1
}
# Wine and the cache warmed once, outside the figures.
wine_verify >/dev/null
md5sum "$image" >/dev/null
times=$(mktemp)
i=0
while [ $i -lt "$runs" ]; do
  printf 'wine %s\n' "$(wine_verify)" >>"$times"
  printf 'md5sum %s\n' "$(python3 -c 'import subprocess, sys, time
start = time.monotonic()
subprocess.run(["md5sum", sys.argv[1]], stdout=subprocess.DEVNULL, check=True)
print("%.6f" % (time.monotonic() - start))' "$image")" >>"$times"
  i=$((i + 1))
done
python3 - "$times" "$image" "$runs" <<'PY'
import os, sys
rows = [l.split() for l in open(sys.argv[1]) if l.strip()]
size = os.path.getsize(sys.argv[2])
best = {k: min(float(v) for kk, v in rows if kk == k) for k in ("wine", "md5sum")}
ours, theirs = size / best["wine"] / 1e6, size / best["md5sum"] / 1e6
print("image verification under Wine (the Windows build's file reading): %.0f MB/s, best of %s" % (ours, sys.argv[3]))
print("md5sum on the same file:                                          %.0f MB/s, best of %s" % (theirs, sys.argv[3]))
print("ratio under Wine: %.2fx md5sum's throughput (goal: at least 0.9x; file %.0f MB, warm cache)"
      % (ours / theirs, size / 1e6))
PY
rm -f "$times"
echo "natively (the portable build's file reading):"
build/bench/bench/firmware_container_bench "$megabytes" "$runs" | sed 's/^/  /'
print_load
cmake/wine-stop.sh
