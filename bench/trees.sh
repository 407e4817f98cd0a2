# Sourced by the benchmark scripts: works from the repository's root (root),
# with the Windows build tree the tests run here (arch, toolchain, tree) as a
# Release tree, and the optimised native tree without the sanitizers (build/bench).
# Usage: . "$(dirname "$0")/trees.sh"; build_windows_targets <target>...; build_native_targets <target>...
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
arch=$(cmake/wine-arch.sh)
case "$arch" in
  win32) toolchain=cmake/mingw32-toolchain.cmake ;;
  *) toolchain=cmake/mingw64-toolchain.cmake ;;
esac
tree="build/$arch"
build_windows_targets() {
  cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
  cmake --build "$tree" -j3 --target "$@" >/dev/null
}
build_native_targets() {
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUOR_SANITIZE=OFF >/dev/null
  cmake --build build/bench -j3 --target "$@" >/dev/null
}
# The load when the figures start, and the benchmarks' own Wine prefix, so that
# stopping its server stops nothing else.
begin_figures() {
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  export WINEPREFIX="$PWD/$tree/benchprefix"
}
print_load() {
  echo "load average (1, 5, 15 min): $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
}
