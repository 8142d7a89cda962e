#!/usr/bin/env bash
# Runs Ignaro once and shows the rows it appended to its results file.
#
#   scripts/run.sh [xsize ysize density trials silent file]
#
# With no arguments it runs "400 400 45 10 1 pozar.txt"; six arguments are passed on
# as they are. The results file is relative to the current directory, which is also
# Ignaro's. Runs the i686 deliverable under 32-bit Wine, or the x86_64 build of the
# same sources on a machine that cannot run 32-bit programs; builds it when missing.
# Uses the caller's X display if it answers, a private Xvfb otherwise, and the
# persistent Wine prefix build/wine/run-prefix (never ~/.wine).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
case $# in
  0) set -- 400 400 45 10 1 pozar.txt ;;
  6) ;;
  *) echo "usage: scripts/run.sh [xsize ysize density trials silent file]" >&2; exit 2 ;;
esac

"$repo/scripts/install-deps.sh"
read -r preset loader < <("$repo/scripts/windows-build.sh" Ignaro) || { echo "run.sh: no program to run" >&2; exit 1; }

if [[ -n ${DISPLAY:-} ]] && timeout 5 xdpyinfo >/dev/null 2>&1; then
  export KEEP_DISPLAY=1
else
  echo "run.sh: no usable X display; giving Ignaro a private virtual display" >&2
  unset DISPLAY KEEP_DISPLAY
fi

results=${6//\\//}  # Ignaro may be given a Windows-style relative path
before=$(stat -c %s "$results" 2>/dev/null || echo 0)
status=0
WINEDEBUG=-all "$repo/testing/wine-session.sh" --prefix "$repo/build/wine/run-prefix" \
  "$loader" "$repo/build/$preset/bin/Ignaro.exe" "$@" || status=$?

after=$(stat -c %s "$results" 2>/dev/null || echo 0)
if ((after > before)); then
  echo "run.sh: rows added to $6:"
  tail -c +$((before + 1)) "$results" | tr -d '\r'
elif ((after < before)); then  # rewritten rather than appended to
  echo "run.sh: $6 now reads:"
  tr -d '\r' <"$results"
else
  echo "run.sh: nothing was added to $6"
fi
exit "$status"
