#!/bin/sh
# Prints the Wine architecture the tests can run here: win32 where this kernel
# executes 32-bit x86 programs (the architecture the shipped programs are built for), else win64.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
