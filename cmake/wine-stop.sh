#!/bin/sh
# Ends the wineserver (with every Wine process) of this prefix only, and the Xvfb
# that wine-run.sh started for it.
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEPREFIX
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
state="${WINEPREFIX}.run"
rm -f "$state/services"
if [ -f "$state/xvfb.pid" ]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null
  rm -f "$state/xvfb.pid" "$state/display"
fi
exit 0
