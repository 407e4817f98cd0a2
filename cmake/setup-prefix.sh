#!/bin/sh
# Creates and configures a quiet 32-bit Wine prefix: no crash dialog, no window
# manager waits, Arial mapped to its metric twin, CJK glyphs linked in.
# Usage: WINEPREFIX=... setup-prefix.sh
set -eu
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEPREFIX WINEARCH="${WINEARCH:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/wine-env.sh"
# Also run on a prefix already in use when its settings change: that one is
# booted already, and its persistent server takes the new settings live.
fresh=0
[ -f "$WINEPREFIX/system.reg" ] || fresh=1
if [ "$fresh" = 1 ]; then wineboot -i >/dev/null 2>&1; fi
# Wine looks a bold font's links up under its full name ("Liberation Sans
# Bold"), so the bold faces the windows use need entries of their own.
# REG_MULTI_SZ "file,face": regedit reads hex(7) in an ASCII .reg file as single bytes.
link=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei' | od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
link="$link,00,00"
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Arial"=hex(7):$link
"Liberation Sans"=hex(7):$link
"Tahoma"=hex(7):$link
"MS Shell Dlg"=hex(7):$link
"MS Shell Dlg 2"=hex(7):$link
"Microsoft Sans Serif"=hex(7):$link
"Arial Bold"=hex(7):$link
"Liberation Sans Bold"=hex(7):$link
"Tahoma Bold"=hex(7):$link
"Microsoft Sans Serif Bold"=hex(7):$link
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
rm -f "$reg"
# Debian's wine does not load its own fonts: make Tahoma and Marlett visible.
if [ -d /usr/share/wine/fonts ]; then
  for f in /usr/share/wine/fonts/*.ttf; do ln -sf "$f" "$WINEPREFIX/drive_c/windows/Fonts/"; done
fi
# Waiting for a persistent server to end would never return.
if [ "$fresh" = 1 ]; then wineserver -w; fi
