#!/usr/bin/env bash
# CMAKE_CROSSCOMPILING_EMULATOR of the MinGW builds: ctest runs each Windows test
# program through this, with the Wine loader the toolchain names first
# (/usr/lib/wine/wine for the i686 build, /usr/lib/wine/wine64 for the x86_64 one).
# It only works inside testing/wine-session.sh, which provides a private display and
# Wine prefix (and has Wine's services running already, without which ctest would
# wait forever on the pipes they inherit).
set -euo pipefail

loader=$1
shift
if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
  echo "wine-run.sh: WINEPREFIX and DISPLAY must be set; run ctest inside" \
       "testing/wine-session.sh (e.g. testing/wine-session.sh ctest --preset win32)" >&2
  exit 2
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=,winemenubuilder.exe=}
exec "$loader" "$@"
