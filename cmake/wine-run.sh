#!/bin/sh
# Runs a Windows program under Wine for ctest and the scripts.
#  - one quiet 32-bit prefix per build tree (WINEPREFIX), created on first use;
#  - one persistent wineserver with Wine's services started detached from the
#    caller's pipes, so ctest is neither slowed nor hung by them;
#  - without DISPLAY, one Xvfb per prefix (Xvfb picks its own display number).
# wine-stop.sh ends both, and only these.
#  - "--arch win64" runs 64-bit builds through wine64 (for hosts without 32-bit
#    execution); the default is the 32-bit wine.
set -u
arch=win32
retry_silent=0
while :; do
  case "${1:-}" in
    --arch) arch=$2; shift 2 ;;
    # ctest's runs: a program that fails without printing a single line never
    # reached its main (Wine lost the start under load), so it is run once more.
    --retry-silent-start) retry_silent=1; shift ;;
    # The build tree's own prefix, whatever the caller's environment says.
    --prefix) WINEPREFIX=$2; shift 2 ;;
    *) break ;;
  esac
done
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEPREFIX
export WINEARCH="$arch"
. "$(dirname "$0")/wine-env.sh"
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
# Wine names host files in the host's character set: without a UTF-8 locale
# (a bare CI shell has none) a file name outside ASCII cannot be created.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
  *[Uu][Tt][Ff]-8*|*[Uu][Tt][Ff]8*) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
state="${WINEPREFIX}.run"
mkdir -p "$state"
{
  flock 9
  if [ -z "${DISPLAY:-}" ]; then
    if ! { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }; then
      rm -f "$state/xvfb.fifo"; mkfifo "$state/xvfb.fifo"
      Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/xvfb.fifo" </dev/null >/dev/null 2>&1 9>&- &
      echo $! > "$state/xvfb.pid"
      read -r n < "$state/xvfb.fifo"; rm -f "$state/xvfb.fifo"
      echo ":$n" > "$state/display"
    fi
    DISPLAY=$(cat "$state/display"); export DISPLAY
  fi
  # The stamp's number goes up with the prefix's settings: an older prefix is set up again.
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$state/configured-2" ]; then
    "$(dirname "$0")/setup-prefix.sh" </dev/null >/dev/null 2>&1 9>&- && touch "$state/configured-2"
  fi
  # A new server (exit 0) needs its services started once; a running one
  # (exit 2) has them already, which saves every later program a start-up.
  if wineserver -p </dev/null >/dev/null 2>&1 9>&- || [ ! -f "$state/services" ]; then
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    touch "$state/services"
  fi
} 9>"$state/lock"
[ -z "${DISPLAY:-}" ] && { DISPLAY=$(cat "$state/display"); export DISPLAY; }
if [ "$retry_silent" = 0 ]; then
  exec timeout -k 5 "${QUOR_WINE_TIMEOUT:-300}" wine "$@"
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for attempt in 1 2; do
  timeout -k 5 "${QUOR_WINE_TIMEOUT:-300}" wine "$@" >"$out" 2>&1
  rc=$?
  cat "$out"
  if [ "$rc" = 0 ] || [ -s "$out" ] || [ "$attempt" = 2 ]; then
    exit "$rc"
  fi
  echo "wine-run: the program ended with $rc before printing anything; running it once more"
done
