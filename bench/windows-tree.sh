# Sourced by the benchmark scripts from the repository's root: the Windows
# build tree the tests run here (arch, toolchain, tree), configured as a
# Release tree with the given targets built.
# Usage: . bench/windows-tree.sh; build_windows_targets <target>...
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
