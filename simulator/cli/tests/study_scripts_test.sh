#!/usr/bin/env bash
# scripts/threshold.sh on the real ignaro-cli (IGNARO_CLI): a small study prints its
# estimate in the promised form near the known threshold, writes its estimates and
# plot, and run again reruns only a job whose rows went missing or were torn. Then
# scripts/plot-sweep.py ends each failure with one line and a non-zero exit.
# Every command is bounded in time; the test removes only its own folder.
set -euo pipefail
scripts=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
fail() { echo "FAIL: $*"; exit 1; }
study=(timeout 120 "$scripts/threshold.sh" -j 2 --sizes 16,32 --trials 150 --seed 7)

"${study[@]}" s >out.txt 2>err.txt || { cat err.txt; fail "the study failed"; }
last=$(tail -n 1 out.txt)
[[ $last =~ ^threshold:\ (0\.[0-9]+)\ ±\ (0\.[0-9]+)$ ]] || fail "last line \"$last\""
awk -v p="${BASH_REMATCH[1]}" -v e="${BASH_REMATCH[2]}" 'BEGIN { exit !(p > 0.39 && p < 0.425 && e > 0 && e < 0.01) }' ||
  fail "an estimate far from 0.4073: $last"
[[ $(grep -c '^[0-9]' s/estimates.txt) -eq 2 ]] || fail "estimates.txt: $(cat s/estimates.txt)"
[[ $(head -c 8 s/threshold.png | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] || fail "threshold.png is not a PNG"

# One job's rows lost, another's torn: only those two run again, and the estimate
# is the same as before, since every job draws from its own stream.
rm s/rows/job-3.txt
head -c 100 s/rows/job-5.txt >s/rows/job-5.tmp && mv s/rows/job-5.tmp s/rows/job-5.txt
"${study[@]}" s >again.txt 2>err.txt || { cat err.txt; fail "the restart failed"; }
grep -q '^threshold.sh: rows/job-5.txt has [0-9]* rows, not 150: its job runs again$' err.txt ||
  fail "the torn job went unnamed: $(cat err.txt)"
grep -qx 'threshold.sh: 2 of 16 jobs to run' err.txt || fail "the restart ran other jobs: $(cat err.txt)"
[[ $(tail -n 1 again.txt) == "$last" ]] || fail "the restart changed the estimate: $(tail -n 1 again.txt)"
timeout 10 "$scripts/threshold.sh" --trials 9 s 2>err.txt && fail "other arguments were taken on an old study"
grep -q 'holds a study of other arguments' err.txt || fail "$(cat err.txt)"

# plot-sweep.py: one line and exit 1 for an output it cannot write, a title it cannot
# draw, a missing file, and a row with control characters (shown escaped).
printf '0.4 10 0.25 1\r\n0.4 12 0.5 0\r\n0.45 20 0.75 1\r\n' >rows.txt
timeout 60 "$scripts/plot-sweep.py" rows.txt rows.png || fail "plot-sweep.py could not draw edge-lit rows"
printf '0.5 10 0.25\n\033]0;x\a 1 1\n' >bad.txt
for args in "rows.txt missing/rows.png" "rows.txt t.png \$\\foo\$" "none.txt n.png" "bad.txt b.png"; do
  # shellcheck disable=SC2086
  if timeout 60 "$scripts/plot-sweep.py" $args 2>plot.err; then fail "plot-sweep.py $args succeeded"; fi
  [[ $(wc -l <plot.err) -eq 1 && $(<plot.err) != *Traceback* ]] || fail "plot-sweep.py $args said: $(cat plot.err)"
done
grep -q '"\\x1b]0;x\\x07 1 1"' plot.err || fail "the bad row was not shown escaped: $(cat plot.err)"
echo "study scripts: passed"
