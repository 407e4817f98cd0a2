#!/bin/sh
# Builds and runs the manager under Wine. With a display (DISPLAY set) the
# program opens there and runs until it is closed. Without one it runs on a
# virtual display, a picture of the main window is saved once the first page
# shows (build/screenshots/QuorDeviceManager.png) and the program is closed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 4)

sh scripts/setup.sh

arch=$(cmake/wine-arch.sh)
case "$arch" in
  win32) toolchain=cmake/mingw32-toolchain.cmake ;;
  *) toolchain=cmake/mingw64-toolchain.cmake ;;
esac
tree="build/$arch"
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "$tree" -j"$jobs" --target QuorDeviceManager
exe="$root/$tree/bin/QuorDeviceManager.exe"
export WINEPREFIX="$root/$tree/wineprefix"

if [ -n "${DISPLAY:-}" ]; then
  # Runs until the user closes it; the time-out only guards against a hang.
  QUOR_WINE_TIMEOUT=86400 cmake/wine-run.sh --arch "$arch" "$exe"
  exit $?
fi
mkdir -p build/screenshots
rc=0
scripts/screenshot.sh "$arch" "$exe" "Quor Bluetooth Device Manager" "$root/build/screenshots/QuorDeviceManager.png" || rc=$?
cmake/wine-stop.sh
exit "$rc"
