#!/bin/sh
# Fails when a C++ file of the tree differs from the house style (.clang-format).
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build/')
# shellcheck disable=SC2086
if ! clang-format --dry-run --Werror $files 2>/tmp/quor-format.$$; then
  head -n 40 /tmp/quor-format.$$
  rm -f /tmp/quor-format.$$
  echo "format check: run  clang-format -i  on the files above"
  exit 1
fi
rm -f /tmp/quor-format.$$
echo "format check: clean"
