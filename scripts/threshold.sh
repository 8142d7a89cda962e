#!/usr/bin/env bash
# Estimates the site percolation threshold of Ignaro's forest (eight neighbours) from
# its own fires: edge-lit fires near the threshold at several forest sizes, spread over
# cores or hosts by GNU parallel (or a Slurm array), then finite-size scaling of the
# density at which half the fires cross the forest (scripts/threshold-fit.py).
#
#   scripts/threshold.sh [-j N] [--sshlogin HOSTS] [--sizes L1,L2,...] [--trials N] [--seed S] DIR
#   scripts/threshold.sh --slurm [--sizes ...] [--trials N] [--seed S] DIR    submit it as an array
#   scripts/threshold.sh --job K DIR                                           run job K alone
#
# At each size L the study runs --trials trials (default 1000) at each of 8 densities
# spread over the width of the transition around 0.407. A job is one size, one density
# and at most as many trials as take about a second; job K draws from PCG64 with the
# study's seed and stream K, and DIR/jobs.txt lists each job's exact ignaro-cli command.
# Its rows go to DIR/rows/job-K.txt only when they are whole, so a study that was
# stopped is finished by running the same command again. The last line printed is
# "threshold: P ± E", E one standard error; DIR/estimates.txt holds the estimate at
# each size and DIR/threshold.png their plot against size.
#
# -j N runs N jobs at a time (default: one per core); --sshlogin HOSTS is GNU parallel's
# and may be given several times (hosts need a key login that prints nothing on
# standard output, and ignaro-cli at the same absolute path, or IGNARO_CLI on their
# PATH). IGNARO_CLI defaults to build/cli/bin/ignaro-cli, built when missing.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: scripts/threshold.sh [-j N] [--sshlogin HOSTS] [--slurm] [--sizes L1,L2,...] [--trials N]" \
       "[--seed S] DIR   (or --job K DIR)" >&2
  exit 2
}
fail() { echo "threshold.sh: $*" >&2; exit 2; }
# shellcheck source=whole-parts.sh
source "$repo/scripts/whole-parts.sh"

parallel_options=() logins=() sizes= trials= seed= mode=run job=
while [[ $# -gt 1 && $1 == -* ]]; do
  case $1 in
    --slurm) mode=slurm; shift; continue ;;
    -j) [[ $2 =~ ^[1-9][0-9]{0,3}$ ]] || fail "-j takes a number of jobs from 1 to 9999, not \"$2\""
        parallel_options+=(-j "$2") ;;
    --sshlogin) logins+=("$2") ;;
    --sizes) [[ $2 =~ ^[1-9][0-9]*(,[1-9][0-9]*)*$ ]] || fail "--sizes takes sizes like 64,128,256, not \"$2\""
             sizes=$2 ;;
    --trials) [[ $2 =~ ^[1-9][0-9]{0,8}$ ]] || fail "--trials takes a whole number from 1, not \"$2\""
              trials=$2 ;;
    --seed) [[ $2 =~ ^[0-9]{1,18}$ ]] || fail "--seed takes a whole number, not \"$2\""
            seed=$2 ;;
    --job) [[ $2 =~ ^[0-9]+$ ]] || fail "--job takes a job number, not \"$2\""
           mode=job job=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[[ $# -eq 1 && $1 != -* ]] || usage
dir=$(realpath -m -- "$1")  # jobs may run elsewhere
[[ ! -e $dir || -d $dir ]] || fail "$1 is not a directory"

# A study's arguments are fixed when it starts; a restart takes them from DIR.
study=$dir/study.txt
if [[ -f $study ]]; then
  read -r old_sizes old_trials old_seed <"$study"
  [[ ${sizes:-$old_sizes} == "$old_sizes" && ${trials:-$old_trials} == "$old_trials" &&
     ${seed:-$old_seed} == "$old_seed" ]] ||
    fail "$1 holds a study of other arguments (--sizes $old_sizes --trials $old_trials --seed $old_seed):" \
         "finish it with those, or choose another DIR"
  sizes=$old_sizes trials=$old_trials seed=$old_seed
else
  [[ $mode != job ]] || fail "$1 holds no study yet"
  sizes=${sizes:-64,128,256,512,1024} trials=${trials:-1000} seed=${seed:-$(date +%s)}
  for size in ${sizes//,/ }; do
    ((size >= 8 && size <= 32768)) || fail "--sizes: $size is not from 8 to 32768"
  done
  mkdir -p "$dir/rows" || fail "cannot make $1"
  echo "$sizes $trials $seed" >"$study.tmp" && mv "$study.tmp" "$study"
fi

cli=${IGNARO_CLI:-$repo/build/cli/bin/ignaro-cli}
# Other hosts run the jobs from their login folder: a relative path must not reach them.
[[ $cli == */* ]] && cli=$(realpath -s -m -- "$cli")
if [[ -z ${IGNARO_CLI:-} && ! -x $cli && $mode != job ]]; then
  "$repo/scripts/install-deps.sh" >&2
  (cd "$repo" && cmake --preset cli && cmake --build --preset cli) >&2
fi
[[ $mode != job || $cli != */* || -x $cli ]] || fail "no ignaro-cli at $cli: build it first (cmake --preset cli)"

# The jobs: per size, 8 tree counts over +-1.75 widths of the transition (0.55 L^-3/4,
# measured) around 0.407, each given as the percentage of its count and a half, so
# that Ignaro's truncation to whole trees plants exactly that count.
jobs=$dir/jobs.txt
if [[ ! -f $jobs ]]; then
  # PCG64's draws may change between versions: a job reruns alike with the same one.
  version=$("$cli" --version 2>/dev/null) || version="ignaro-cli of an unknown version"
  awk -v sizes="$sizes" -v trials="$trials" -v seed="$seed" -v version="$version" 'BEGIN {
    print "# made with " version
    print "# job size trees density% trials seed stream: rerun one with scripts/threshold.sh --job K DIR"
    print "# or alone as: ignaro-cli SIZE SIZE DENSITY% TRIALS 1 FILE --ignite edge --generator pcg64 --seed SEED --stream STREAM"
    n = split(sizes, size, ",")
    for (s = 1; s <= n; s++) {
      L = size[s]; cells = L * L; width = 0.55 * L ^ -0.75
      chunk = int(2 ^ 28 / cells); if (chunk < 1) chunk = 1
      for (d = 0; d < 8; d++) {
        trees = int(cells * (0.407 + (d - 3.5) * 0.5 * width))
        for (done = 0; done < trials; done += chunk) {
          m = trials - done < chunk ? trials - done : chunk
          printf "%d %d %d %.12g %d %s %d\n", job, L, trees, 100 * (trees + 0.5) / cells, m, seed, job
          job++
        }
      }
    }
  }' >"$jobs.tmp" && mv "$jobs.tmp" "$jobs"
fi
count=$(grep -vc '^#' "$jobs")

# One job: its rows on standard output between "begin job-K.txt" and "end job-K.txt".
command='{ echo begin {1}; '"$(printf '%q ' "$cli")"'{2} {2} {4} {5} 1 /dev/stdout --ignite edge --generator pcg64'
command+=' --seed {6} --stream {7} && echo end {1}; } | cat'

case $mode in
  job)
    ((job < count)) || fail "--job is from 0 to $((count - 1))"
    read -r -a v < <(grep -v '^#' "$jobs" | sed -n "$((job + 1))p")
    [[ -f $dir/rows/job-$job.txt ]] && exit 0
    # An earlier attempt that was stopped leaves rows the run would append to.
    rm -f "$dir/rows/job-$job.tmp"
    "$cli" "${v[1]}" "${v[1]}" "${v[3]}" "${v[4]}" 1 "$dir/rows/job-$job.tmp" --ignite edge --generator pcg64 \
      --seed "${v[5]}" --stream "${v[6]}" || exit
    rows=$(wc -l <"$dir/rows/job-$job.tmp")
    ((rows == v[4])) || { echo "threshold.sh: job $job wrote $rows rows, not ${v[4]}: run it again" >&2; exit 1; }
    mv "$dir/rows/job-$job.tmp" "$dir/rows/job-$job.txt"
    exit 0
    ;;
  slurm)
    command -v sbatch >/dev/null || fail "no sbatch: Slurm is not installed here"
    mkdir -p "$dir/slurm"
    array=$(sbatch --parsable --array=0-$((count - 1)) --job-name=ignaro-threshold --ntasks=1 \
      --output="$dir/slurm/job-%a.log" --wrap "$(printf '%q ' "$repo/scripts/threshold.sh") --job \$SLURM_ARRAY_TASK_ID $(printf '%q' "$dir")")
    sbatch --parsable --dependency=afterany:"$array" --job-name=ignaro-threshold-fit --ntasks=1 \
      --output="$dir/slurm/threshold.log" --wrap "$(printf '%q ' "$repo/scripts/threshold.sh" "$dir")" >/dev/null
    echo "threshold.sh: $count jobs submitted as Slurm array $array; the estimate will be in $dir/slurm/threshold.log" >&2
    exit 0
    ;;
esac

# The jobs still to run, the costliest first so that the last ones to end are short.
todo=$dir/todo.txt
# A job's rows are whole when there are as many as its trials; others are run again.
grep -v '^#' "$jobs" | while read -r k size trees percent m rest; do
  f=$dir/rows/job-$k.txt
  if [[ -f $f && $(wc -l <"$f") -ne $m ]]; then
    echo "threshold.sh: rows/job-$k.txt has $(wc -l <"$f") rows, not $m: its job runs again" >&2
  elif [[ -f $f ]]; then
    continue
  fi
  echo "$k $size $trees $percent $m $rest"
done | sort -k2,2nr -k1,1n | sed 's/^\([0-9]*\) /job-\1.txt /' >"$todo"
echo "threshold.sh: $(wc -l <"$todo") of $count jobs to run" >&2
if [[ -s $todo ]]; then
  for login in "${logins[@]}"; do parallel_options+=(--sshlogin "$login"); done
  [[ -t 2 ]] && parallel_options+=(--bar)
  parallel "${parallel_options[@]}" --colsep ' ' -a "$todo" "$command" |
    keep_whole_parts threshold.sh "$todo" 5 "$dir/rows" '^[0-9.e-]+ [0-9]+ [0-9.e-]+ [01]'$'\r''?$' "$dir/stray.txt"
fi
missing=$(grep -v '^#' "$jobs" | while read -r k _ _ _ m _; do
  [[ -f $dir/rows/job-$k.txt && $(wc -l <"$dir/rows/job-$k.txt") -eq $m ]] || echo "$k"; done | wc -l)
if ((missing > 0)); then
  echo "threshold.sh: $missing of $count jobs did not finish; run the same command again to finish them" >&2
  exit 1
fi
rm -f "$todo" "$dir/stray.txt" "$dir"/rows/*.tmp
exec "$repo/scripts/threshold-fit.py" "$dir"
