#!/bin/sh
# Fails when a file breaks the folder layering:
#  - no file of link/, settings/, firmware/ or grid/ includes app/ (the pages
#    reach the main window through shell/);
#  - no file of a portable folder, nor a portable file of a mixed folder,
#    includes a Windows header: Win32 code in those folders lives in files
#    ending in Win32.cpp, or Win32.h for a header only Windows code includes
#    (window classes stand on afx/ and include it, not the system's headers).
set -eu
cd "$(dirname "$0")/.."
rc=0
files=$(git ls-files 'link/*' 'settings/*' 'firmware/*' 'grid/*' 2>/dev/null | grep -E '\.(cpp|h)$' || true)
for f in $files; do
  if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/' "$f"; then
    echo "layer check: $f includes app/ (use shell/MainDialog.h)"
    rc=1
  fi
done
windows_headers='windows|winsock2|ws2tcpip|setupapi|hidsdi|hidpi|hidusage|wininet|winioctl|commctrl|commdlg|shellapi|shlobj|dbt|cfgmgr32|devguid|initguid|winreg|tlhelp32|process'
# Portable folders hold no Windows code at all except in *Win32.cpp; in the
# mixed folders the rule is the same for every file that is not a window
# class built on afx/.
files=$(git ls-files 'core/*' 'text/*' 'device/*' 'sim/*' 'shell/*' 'link/*' 'settings/*' 'firmware/*' 'grid/*' 'usbprobe/*' 2>/dev/null | grep -E '\.(cpp|h)$' || true)
for f in $files; do
  case "$f" in
    *Win32.cpp|*Win32.h) continue ;;
  esac
  if grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($windows_headers)\.h>" "$f"; then
    echo "layer check: $f includes a Windows header; Win32 code of this folder goes in a file ending in Win32.cpp"
    rc=1
  fi
  case "$f" in
    core/*|text/*|device/*|sim/*)
      if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"afx/afx(win|inet)\.h"' "$f"; then
        echo "layer check: $f is in a portable folder and includes the window layer"
        rc=1
      fi ;;
  esac
done
[ "$rc" -eq 0 ] && echo "layer check: clean"
exit "$rc"
