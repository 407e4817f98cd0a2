# Sourced by the Wine scripts with WINEARCH set: for a 64-bit prefix, "wine" (and
# the wineboot/winepath/regedit scripts that call it) must be the 64-bit loader.
if [ "${WINEARCH:-win32}" = win64 ]; then
  shim="${WINEPREFIX}.run/bin"
  mkdir -p "$shim"
  ln -sf /usr/lib/wine/wine64 "$shim/wine"
  ln -sf /usr/lib/wine/wine64 "$shim/wine-stable"
  export WINELOADER=/usr/lib/wine/wine64
  case ":$PATH:" in *":$shim:"*) ;; *) PATH="$shim:$PATH"; export PATH ;; esac
fi
