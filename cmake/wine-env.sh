# Sourced by the Wine scripts with WINEARCH set: for a 64-bit prefix, "wine" (and
# the wineboot/winepath/regedit scripts that call it) must be the 64-bit loader.
# A script, not a link: the loader finds its preloader beside its own path.
if [ "${WINEARCH:-win32}" = win64 ]; then
  shim="${WINEPREFIX}.run/bin"
  mkdir -p "$shim"
  for name in wine wine-stable; do
    if [ ! -x "$shim/$name" ] || [ -L "$shim/$name" ]; then
      rm -f "$shim/$name"
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$shim/$name"
      chmod +x "$shim/$name"
    fi
  done
  export WINELOADER=/usr/lib/wine/wine64
  case ":$PATH:" in *":$shim:"*) ;; *) PATH="$shim:$PATH"; export PATH ;; esac
fi
