#!/usr/bin/env bash
# Runs an Ignaro study as many small ignaro-cli jobs spread over cores or hosts by GNU
# parallel, and appends their rows to one results file in a fixed order.
#
#   scripts/sweep.sh [-j N] [--sshlogin HOSTS] [--generator pcg64|windows] [--chunk TRIALS]
#                    XSIZE YSIZE DENSITY TRIALS SEED FILE
#   scripts/sweep.sh --count ...the same...     prepare, and print the number of jobs
#   scripts/sweep.sh --job INDEX ...the same... run one job (a Slurm array task)
#
# The arguments mean what Ignaro's mean (a negative DENSITY sweeps from there to 100 %);
# SEED is the base seed. A job is one series (density) and one chunk of at most
# --chunk trials (default 100). Job J draws from PCG64 with seed SEED and stream J (the
# default), or with --generator windows from Ignaro's own generator seeded once with
# SEED + J. The rows depend on the arguments, SEED, the generator and the chunk size,
# never on -j or the hosts.
#
# The jobs keep their rows in FILE.sweep/ until all are done; a sweep that was stopped
# is finished by running the same command again, which runs only the jobs without
# rows. -j N runs N jobs at a time (default: one per core); --sshlogin HOSTS is GNU
# parallel's (e.g. ":,8/node1,8/node2"; ":" is this machine): it needs ssh logins
# without a password and ignaro-cli at the same path on every host, or IGNARO_CLI
# naming it on their PATH. The jobs write their rows to standard output, which
# parallel brings back, so nothing is copied to or left on the hosts. IGNARO_CLI
# defaults to build/cli/bin/ignaro-cli, built when missing.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: scripts/sweep.sh [-j N] [--sshlogin HOSTS] [--generator pcg64|windows] [--chunk TRIALS]" \
       "[--count | --job INDEX] XSIZE YSIZE DENSITY TRIALS SEED FILE" >&2
  exit 2
}

parallel_options=() remote=() generator=pcg64 chunk=100 mode=run job=
while [[ $# -gt 0 && $1 == -* && ! $1 =~ ^-[0-9.] ]]; do
  [[ $1 == --count ]] && { mode=count; shift; continue; }
  [[ $# -ge 2 ]] || usage
  case $1 in
    -j) parallel_options+=(-j "$2") ;;
    --sshlogin) remote=(--sshlogin "$2") ;;
    --generator) generator=$2 ;;
    --chunk) chunk=$2 ;;
    --job) mode=job job=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[[ $# -eq 6 ]] || usage
xsize=$1 ysize=$2 density=$3 trials=$4 seed=$5 file=$6
[[ $seed =~ ^[0-9]+$ && $chunk =~ ^[1-9][0-9]*$ && $generator =~ ^(pcg64|windows)$ ]] ||
  { echo "sweep.sh: SEED is a whole number, --chunk one above 0, --generator pcg64 or windows" >&2; exit 2; }

cli=${IGNARO_CLI:-$repo/build/cli/bin/ignaro-cli}
if [[ -z ${IGNARO_CLI:-} && ! -x $cli && $mode != job ]]; then
  "$repo/scripts/install-deps.sh"
  (cd "$repo" && cmake --preset cli && cmake --build --preset cli) >&2
fi

# The CLI checks the arguments as Ignaro does and names the series that can be planted.
series=$("$cli" "$xsize" "$ysize" "$density" "$trials" 1 "$file" --list-series --generator "$generator" \
  --seed "$seed" | wc -l) || exit 2
[[ $trials =~ ^[0-9]{1,10}$ ]] && ((10#$trials <= 2147483647)) ||
  { echo "sweep.sh: TRIALS must be written as plain digits, at most 2147483647" >&2; exit 2; }
trials=$((10#$trials))
[[ $generator == windows ]] && seed=$((10#$seed))  # at most 2^32 - 1: the CLI said so
chunks=$(((trials + chunk - 1) / chunk))
jobs=$((series * chunks))

target=$(realpath -m -- "$file")  # the jobs run elsewhere
work=$target.sweep
key="$xsize $ysize $density $trials $seed $generator $chunk"
if [[ ! -d $work ]]; then
  [[ $mode != job ]] || { echo "sweep.sh: no $work: prepare it first with --count" >&2; exit 2; }
  mkdir -p "$work/parts"
  stat -c %s "$target" >"$work/start-size" 2>/dev/null || echo 0 >"$work/start-size"
  echo "$key" >"$work/arguments"
elif [[ $(<"$work/arguments") != "$key" ]]; then
  echo "sweep.sh: $work holds an unfinished sweep of other arguments ($(<"$work/arguments")):" \
       "finish that one or remove $work" >&2
  exit 2
fi
parts=$(cd "$work/parts" && pwd)

# One command for every job, whoever runs it: {1} the job's name, {2} its series,
# {3} its trials, {4} its seed, {5} its stream; {out} where its rows go.
template="$(printf '%q ' "$cli" "$xsize" "$ysize" "$density"){3} 1 {out} --series {2}"
template+=" --generator $generator --seed {4}"
[[ $generator == pcg64 ]] && template+=" --stream {5}"
job_names() { seq -f 'job-%08.0f.txt' 0 $((jobs - 1)); }
job_line() {  # job_line J NAME: the job's values, tab-separated
  local s=$(($1 / chunks)) c=$(($1 % chunks)) job_seed=$seed
  local m=$((trials - c * chunk < chunk ? trials - c * chunk : chunk))
  [[ $generator == windows ]] && job_seed=$(((seed + $1) % 4294967296))
  printf '%s\t%s\t%s\t%s\t%s\n' "$2" "$s" "$m" "$job_seed" "$1"
}

case $mode in
  count) echo "$jobs"; exit 0 ;;
  job)
    [[ $job =~ ^[0-9]+$ ]] && ((job < jobs)) || { echo "sweep.sh: --job is from 0 to $((jobs - 1))" >&2; exit 2; }
    IFS=$'\t' read -r -a values < <(job_line "$job" "$(printf 'job-%08d.txt' "$job")")
    name=${values[0]}
    [[ -f $parts/$name ]] && exit 0
    command=${template//\{out\}/$(printf %q "$parts/$name.tmp")}
    for i in 2 3 4 5; do command=${command//\{$i\}/${values[i - 1]}}; done
    rm -f "$parts/$name.tmp"
    bash -c "$command" && mv "$parts/$name.tmp" "$parts/$name"
    exit
    ;;
esac

todo=$work/todo
j=0
while read -r name; do
  [[ -f $parts/$name ]] || job_line "$j" "$name"
  ((j += 1))
done < <(job_names) >"$todo"
echo "sweep.sh: $(wc -l <"$todo") of $jobs jobs to run" >&2
if [[ -s $todo ]]; then
  [[ -t 2 ]] && parallel_options+=(--bar)
  # parallel prints each job's output whole when it ends: its name, its rows, and "done"
  # when it succeeded. Only then do the rows get their final name, so a part is either
  # whole or absent. (The pipe: the CLI opens /dev/stdout anew, and on a file its writes
  # and the shell's would overlap.)
  parallel "${parallel_options[@]}" "${remote[@]}" --colsep '\t' -a "$todo" \
    "{ echo begin {1}; ${template//\{out\}//dev/stdout} && echo done {1}; } | cat" |
    awk -v parts="$parts" '
      /^begin / { file = parts "/" $2 ".tmp"; printf "" >file; next }
      /^done / { close(file); print $2; fflush(); next }
      { print >file }' |
    while read -r name; do mv "$parts/$name.tmp" "$parts/$name"; done || true
fi

missing=0
while read -r name; do
  [[ -f $parts/$name ]] || ((missing += 1))
done < <(job_names)
if ((missing > 0)); then
  echo "sweep.sh: $missing jobs did not finish; run the same command again to finish them" >&2
  exit 1
fi

# Appending again after an interrupted merge must not double the rows: the file is cut
# back to where it ended when the sweep began.
start=$(<"$work/start-size")
size=$(stat -c %s "$target" 2>/dev/null || echo 0)
((size > start)) && truncate -s "$start" "$target"
rows=$(cd "$parts" && job_names | xargs cat | tee -a "$target" | wc -l)
rm -rf "$work"
echo "sweep.sh: $rows rows appended to $file" >&2
