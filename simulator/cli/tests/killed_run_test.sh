#!/usr/bin/env bash
# ignaro-cli killed with SIGKILL in the middle of a run leaves whole rows only: what
# nothing in the program can catch, no stop can do worse. The test kills only the
# process it started, by PID, and removes its own folder.
set -euo pipefail
cli=$1
dir=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 1' TERM INT HUP
rows=$dir/rows.txt

# Tiny forests: thousands of rows a second, each a handful of bytes. The kill ends
# the run; the limits (a minute of CPU, 10 MB of rows) end it should the test itself
# be killed first.
(ulimit -t 60 -f 10240 -c 0 && exec "$cli" 5 5 45 2000000000 1 "$rows" --seed 1) &
pid=$!
for ((i = 0; i < 2000; i++)); do
  (($(stat -c %s "$rows" 2>/dev/null || echo 0) > 100000)) && break
  sleep 0.01
done
kill -KILL "$pid"
wait "$pid" || true
pid=

size=$(stat -c %s "$rows")
((size > 100000)) || { echo "FAIL: only $size bytes of rows before the kill"; exit 1; }
torn=$(grep -c -v -E $'^[0-9.e-]+ [0-9]+ [0-9.e-]+\r$' "$rows" || true)
[[ $torn -eq 0 && $(tail -c 2 "$rows" | od -An -tx1 | tr -d ' ') == 0d0a ]] ||
  { echo "FAIL: $torn lines of $size bytes are not whole rows; the file ends with:"; tail -c 40 "$rows" | od -c; exit 1; }
echo "killed run: $(wc -l <"$rows") whole rows"
