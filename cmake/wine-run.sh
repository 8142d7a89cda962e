#!/usr/bin/env bash
# CMAKE_CROSSCOMPILING_EMULATOR of the x86_64 build: ctest runs each Windows test
# program through this. It only works inside scripts/wine-session.sh, which provides
# a private display and Wine prefix (and has Wine's services running already, without
# which ctest would wait forever on the pipes they inherit).
set -euo pipefail

if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
  echo "wine-run.sh: WINEPREFIX and DISPLAY must be set; run ctest inside" \
       "scripts/wine-session.sh (e.g. scripts/wine-session.sh ctest --preset win64)," \
       "and give gtest_discover_tests DISCOVERY_MODE PRE_TEST so that the build runs no test" >&2
  exit 2
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=,winemenubuilder.exe=}
# The `wine` wrapper would pick the 32-bit loader, which this machine cannot run.
exec /usr/lib/wine/wine64 "$@"
