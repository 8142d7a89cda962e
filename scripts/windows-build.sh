#!/usr/bin/env bash
# Prints the build preset and Wine loader that run a program here, building the
# program when it is missing:
#
#   scripts/windows-build.sh TARGET    # "win32 /usr/lib/wine/wine", or
#                                      # "win64 /usr/lib/wine/wine64"
#
# The i686 deliverable runs under 32-bit Wine where the kernel runs 32-bit programs
# and wine32 is installed; elsewhere the x86_64 build of the same sources stands in.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: scripts/windows-build.sh TARGET}

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win32 loader=/usr/lib/wine/wine
else
  echo "${0##*/}: this machine cannot run 32-bit programs: running the x86_64 build" >&2
  preset=win64 loader=/usr/lib/wine/wine64
fi
if [[ ! -f $repo/build/$preset/bin/$target.exe ]]; then
  echo "${0##*/}: building $target ($preset)" >&2
  cd "$repo"
  [[ -f build/$preset/CMakeCache.txt ]] || cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target "$target" >&2
fi
echo "$preset $loader"
