#!/usr/bin/env bash
# scripts/sweep.sh on the real ignaro-cli (IGNARO_CLI): the merged rows do not depend on
# how many jobs run at a time, and a sweep killed part-way and started again gives the
# file of one that ran through, running only the jobs it had not finished. Then
# scripts/plot-sweep.py draws that file and refuses a malformed one.
# Every command is bounded in time; the test kills only the process group it started.
set -euo pipefail
scripts=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
sweep=(timeout 60 "$scripts/sweep.sh" --chunk 2)
args=(40 40 -85 5 7)  # 16 densities of 3 chunks: 48 jobs

"${sweep[@]}" -j 1 "${args[@]}" one.txt 2>/dev/null
"${sweep[@]}" -j 4 "${args[@]}" four.txt 2>/dev/null
cmp one.txt four.txt
[[ $(wc -l <one.txt) -eq 80 ]] || { echo "FAIL: $(wc -l <one.txt) rows, not 80"; exit 1; }

setsid "${sweep[@]}" -j 1 "${args[@]}" killed.txt 2>/dev/null &
group=$!
for ((i = 0; i < 1000; i++)); do
  done_jobs=$(find killed.txt.sweep/parts -name '*.txt' 2>/dev/null | wc -l) || true
  ((done_jobs < 10)) || break
  sleep 0.01
done
kill -KILL -- "-$group"
wait "$group" || true
done_jobs=$(find killed.txt.sweep/parts -name '*.txt' | wc -l)
((done_jobs < 48)) || { echo "FAIL: the sweep ended before it could be killed"; exit 1; }
"${sweep[@]}" -j 2 "${args[@]}" killed.txt 2>restart.log
grep -qx "sweep.sh: $((48 - done_jobs)) of 48 jobs to run" restart.log || { cat restart.log; exit 1; }
cmp one.txt killed.txt

timeout 60 "$scripts/plot-sweep.py" one.txt one.png
[[ $(head -c 8 one.png | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] || { echo "FAIL: not a PNG"; exit 1; }
printf '0.5 10 0.25\r\n0.5 ten 0.25\r\n' >bad.txt
if timeout 60 "$scripts/plot-sweep.py" bad.txt bad.png 2>bad.log || ! grep -q '^bad.txt:2: ' bad.log; then
  echo "FAIL: a malformed row was not refused by its line:"; cat bad.log; exit 1
fi
echo "sweep and plot: passed"
