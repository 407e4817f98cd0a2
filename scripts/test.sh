#!/bin/sh
# Builds and runs every test: installs what is missing, then
#  1. the native build (portable code under AddressSanitizer and UBSan) and its suites,
#     and the suites that start threads once more under ThreadSanitizer (build/tsan);
#  2. the Windows build and its test programs under Wine (a private prefix per
#     build tree, on a virtual display when none is set);
#  3. the shipped 32-bit programs (with their test programs, built but not
#     run), when the tests had to run a 64-bit build because this kernel
#     cannot execute 32-bit code.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 4)
start=$(date +%s)

sh scripts/setup.sh

echo "== format check"
sh scripts/format-check.sh || rc_format=1
echo "== layer check"
sh scripts/layer-check.sh || rc_format=1

echo "== native build"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
echo "== ThreadSanitizer build of the suites that start threads"
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUOR_SANITIZER=thread >/dev/null
cmake --build build/tsan -j"$jobs" --target thread_tests

arch=$(cmake/wine-arch.sh)
case "$arch" in
  win32) toolchain=cmake/mingw32-toolchain.cmake ;;
  *) toolchain=cmake/mingw64-toolchain.cmake ;;
esac
echo "== Windows build ($arch)"
cmake -S . -B "build/$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "build/$arch" -j"$jobs"
if [ "$arch" != win32 ]; then
  # The shipped programs are 32-bit: build them, and the test programs too so
  # that nothing only the 32-bit compiler rejects can slip through.
  echo "== the shipped 32-bit programs"
  cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw32-toolchain.cmake >/dev/null
  cmake --build build/win32 -j"$jobs"
fi

rc=${rc_format:-0}
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
echo "== native tests"
(cd build/native && ctest -j"$jobs" --output-on-failure --timeout 300) | tee -a "$summary" || rc=1
echo "== native tests under ThreadSanitizer"
(cd build/tsan && ctest -j"$jobs" --output-on-failure --timeout 300) | tee -a "$summary" || rc=1
echo "== Windows tests under Wine"
export WINEPREFIX="$root/build/$arch/wineprefix"
(cd "build/$arch" && ctest -j"$jobs" --output-on-failure --timeout 300) | tee -a "$summary" || rc=1
cmake/wine-stop.sh
# tee hides ctest's exit code: a failed test shows in its summary line instead.
grep -q "tests passed, 0 tests failed" "$summary" || rc=1
[ "$(grep -c 'tests passed, 0 tests failed' "$summary")" -eq 3 ] || rc=1

echo "== all tests took $(( $(date +%s) - start )) s"
# One closing line for the three runs.
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "%d passed, %d failed\n", total - failed, failed }' "$summary"
exit "$rc"
