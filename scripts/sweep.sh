#!/usr/bin/env bash
# Runs an Ignaro study as many small ignaro-cli jobs spread over cores or hosts by GNU
# parallel, and appends their rows to one results file in a fixed order.
#
#   scripts/sweep.sh [-j N] [--sshlogin HOSTS]... [--generator pcg64|windows] [--chunk TRIALS]
#                    [--again] XSIZE YSIZE DENSITY TRIALS SEED FILE
#   scripts/sweep.sh --count [--array-limit N] ...the same...
#                                               prepare, and print the number of jobs
#   scripts/sweep.sh --job INDEX ...the same... run one job (a Slurm array task)
#
# The arguments mean what Ignaro's mean (a negative DENSITY sweeps from there to 100 %);
# SEED is the base seed. A job is one series (density) and one chunk of at most
# --chunk trials (default 100). Job J draws from PCG64 with seed SEED and stream J (the
# default), or with --generator windows from Ignaro's own generator seeded once with
# SEED + J. The rows depend on the arguments, SEED, the generator and the chunk size,
# never on -j or the hosts.
#
# Every argument is checked before the first job (the six by ignaro-cli --check); a
# rejection exits 2. The jobs keep their rows in FILE.sweep/ until all are done; a part
# counts only when it is whole (its begin and end lines and exactly its number of
# rows), and anything else on a job's output is reported and left out. A sweep that was
# stopped is finished by running the same command again, which runs only the jobs
# without rows. Rows others append to FILE meanwhile are kept; the merge is recorded in
# FILE.sweep/ so that an interrupted one is finished exactly once, and a sweep already
# merged into FILE is not appended again unless --again asks for it.
#
# -j N runs N jobs at a time (default: one per core); --sshlogin HOSTS is GNU parallel's
# (e.g. ":,8/node1,8/node2"; ":" is this machine), and may be given several times. The
# hosts need an ssh login without a password that prints nothing on stdout, perl, a
# writable /tmp, and ignaro-cli at the same absolute path or IGNARO_CLI naming it on
# their PATH. The jobs write their rows to standard output, which parallel brings back,
# so nothing is copied to or left on the hosts. IGNARO_CLI defaults to
# build/cli/bin/ignaro-cli, built when missing.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: scripts/sweep.sh [-j N] [--sshlogin HOSTS]... [--generator pcg64|windows] [--chunk TRIALS]" \
       "[--again] [--count [--array-limit N] | --job INDEX] XSIZE YSIZE DENSITY TRIALS SEED FILE" >&2
  exit 2
}
# A user's text in a message: quoted with control characters escaped, and cut short.
quote() { local text=$1; ((${#text} <= 200)) || text="${text:0:200}..."; printf '%s' "${text@Q}"; }
reject() { echo "sweep.sh: $*" >&2; exit 2; }
# shellcheck source=whole-parts.sh
source "$repo/scripts/whole-parts.sh"

parallel_options=() logins=() generator=pcg64 chunk=100 mode=run job= again=0 limit=
while [[ $# -gt 0 && $1 == -* && ! $1 =~ ^-[0-9.] ]]; do
  case $1 in
    --count) mode=count; shift; continue ;;
    --again) again=1; shift; continue ;;
  esac
  [[ $# -ge 2 ]] || usage
  case $1 in
    -j) [[ $2 =~ ^[1-9][0-9]{0,5}$ ]] || reject "-j takes the number of jobs at a time, from 1, not $(quote "$2")"
        parallel_options+=(-j "$2") ;;
    --sshlogin) logins+=(--sshlogin "$2") ;;
    --generator) generator=$2 ;;
    --chunk) chunk=$2 ;;
    --job) mode=job job=$2 ;;
    --array-limit) limit=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[[ $# -eq 6 ]] || usage
xsize=$1 ysize=$2 density=$3 trials=$4 seed=$5 file=$6
[[ $seed =~ ^[0-9]+$ && $chunk =~ ^[1-9][0-9]*$ && $generator =~ ^(pcg64|windows)$ ]] ||
  reject "SEED is a whole number, --chunk one above 0, --generator pcg64 or windows"

# FILE before the build and the other checks: its work folder goes beside it.
target=$(realpath -m -- "$file")  # the jobs may run elsewhere
folder=$(dirname -- "$target")
if [[ -d $target ]]; then
  reject "$(quote "$file") is a folder; FILE names the results file"
elif [[ ! -d $folder ]]; then
  reject "no folder $(quote "$folder") for $(quote "$file")"
elif [[ -e $target && ! -w $target ]]; then
  reject "cannot write to $(quote "$file"): permission denied"
elif [[ ! -w $folder ]]; then
  reject "cannot write in $(quote "$folder"), where $(quote "$file") and its work folder go: permission denied"
fi

cli=${IGNARO_CLI:-$repo/build/cli/bin/ignaro-cli}
# The hosts start the jobs in their own home folders: a path must not depend on ours.
[[ $cli == */* ]] && cli=$(realpath -s -m -- "$cli")
if [[ -z ${IGNARO_CLI:-} && ! -x $cli && $mode != job ]]; then
  "$repo/scripts/install-deps.sh"
  (cd "$repo" && cmake --preset cli && cmake --build --preset cli) >&2
fi
[[ $mode != run ]] || command -v parallel >/dev/null ||
  reject "GNU parallel runs the jobs, and it is not installed here (scripts/install-deps.sh installs it)"
command -v -- "$cli" >/dev/null ||
  reject "no program $(quote "$cli") (IGNARO_CLI) here: it checks the arguments before the jobs start"

# The CLI checks the six arguments as a run would, and names the series that can be planted.
run_arguments=("$xsize" "$ysize" "$density" "$trials" 1 "$file" --generator "$generator" --seed "$seed")
"$cli" "${run_arguments[@]}" --check >/dev/null || exit 2
series=$("$cli" "${run_arguments[@]}" --list-series 2>/dev/null | wc -l) || exit 2
[[ $trials =~ ^[0-9]{1,10}$ ]] && ((10#$trials <= 2147483647)) ||
  reject "TRIALS must be written as plain digits, at most 2147483647"
trials=$((10#$trials))
[[ $generator == windows ]] && seed=$((10#$seed))  # at most 2^32 - 1: the CLI said so
chunks=$(((trials + chunk - 1) / chunk))
jobs=$((series * chunks))
[[ -z $limit ]] || { [[ $limit =~ ^[0-9]{1,9}$ ]] && ((jobs <= 10#$limit)); } ||
  reject "the sweep has $jobs jobs, more than the $limit tasks a job array may have here (MaxArraySize):" \
         "give a larger --chunk"

# FILE.sweep/ holds the sweep under way (arguments, parts/, merging) and a record of
# the sweeps merged into FILE (merged: arguments, offset, bytes, SHA-256, rows, date).
work=$target.sweep
key="$xsize $ysize $density $trials $seed $generator $chunk"
mkdir -p "$work"
if [[ $mode != job ]]; then
  exec 9>"$work/lock"
  flock -n 9 || { echo "sweep.sh: another sweep.sh is working on $(quote "$file") ($(quote "$work/lock"))" >&2; exit 1; }
fi
holds() {  # holds OFFSET BYTES SHA256: FILE still holds those bytes there
  [[ $(tail -c +$(($1 + 1)) -- "$target" 2>/dev/null | head -c "$2" | sha256sum) == "$3  -" ]]
}
if [[ -f $work/arguments ]]; then
  [[ $(<"$work/arguments") == "$key" ]] ||
    reject "$(quote "$work") holds an unfinished sweep of other arguments ($(quote "$(<"$work/arguments")")):" \
           "finish that one or remove $(quote "$work/arguments")"
else
  [[ $mode != job ]] || reject "no sweep of these arguments in $(quote "$work"): prepare it first with --count"
  # Values reach awk through the environment: -v would read backslashes as escapes.
  if ((!again)) && entry=$(key=$key awk -F'\t' '$1 == ENVIRON["key"] { last = $0 } END { if (last == "") exit 1; print last }' \
                             "$work/merged" 2>/dev/null); then
    IFS=$'\t' read -r _ offset bytes sum rows date <<<"$entry"
    if holds "$offset" "$bytes" "$sum"; then
      echo "sweep.sh: $(quote "$file") holds this sweep's $rows rows already (from byte $offset, merged $date):" \
           "nothing appended; --again appends them once more" >&2
      [[ $mode == count ]] && echo 0
      exit 0
    fi
    # A file long enough for them may still hold them, with other rows among them.
    (($(stat -c %s -- "$target" 2>/dev/null || echo 0) < offset + bytes)) ||
      reject "$(quote "$file") changed where this sweep merged its $rows rows on $date (from byte $offset), so it" \
             "may still hold them among other rows: nothing appended; --again appends them once more"
    echo "sweep.sh: $(quote "$file") no longer holds the rows this sweep merged on $date: running it again" >&2
  fi
  rm -rf "$work/parts" "$work/merging"
  mkdir "$work/parts"
  echo "$key" >"$work/arguments"
fi
parts=$work/parts

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
row='^[0-9][0-9.e+-]* [0-9]+ [0-9][0-9.e+-]*'$'\r''$'  # as the CLI writes them, CR LF

case $mode in
  count) echo "$jobs"; exit 0 ;;
  job)
    [[ $job =~ ^[0-9]+$ ]] && ((job < jobs)) || reject "--job is from 0 to $((jobs - 1))"
    IFS=$'\t' read -r -a values < <(job_line "$job" "$(printf 'job-%08d.txt' "$job")")
    name=${values[0]}
    [[ -f $parts/$name ]] && exit 0
    command=${template//\{out\}/$(printf %q "$parts/$name.tmp")}
    for i in 2 3 4 5; do command=${command//\{$i\}/${values[i - 1]}}; done
    rm -f "$parts/$name.tmp"
    bash -c "$command"
    found=$(grep -cE "$row" "$parts/$name.tmp" || true)
    [[ $found == "${values[2]}" && $(wc -l <"$parts/$name.tmp") == "$found" ]] ||
      { echo "sweep.sh: $name wrote $found rows, not ${values[2]}: left out" >&2; exit 1; }
    mv "$parts/$name.tmp" "$parts/$name"
    exit 0
    ;;
esac

if [[ ! -f $work/merging ]]; then
  todo=$work/todo
  j=0
  while read -r name; do
    [[ -f $parts/$name ]] || job_line "$j" "$name"
    ((j += 1))
  done < <(job_names) >"$todo"
  echo "sweep.sh: $(wc -l <"$todo") of $jobs jobs to run" >&2
  if [[ -s $todo ]]; then
    [[ -t 2 ]] && parallel_options+=(--bar)
    # parallel prints each job's output whole when it ends, a login's banner or a
    # host's noise with it. (The pipe: the CLI opens /dev/stdout anew, and on a file
    # its writes and the shell's would overlap.)
    parallel "${parallel_options[@]}" "${logins[@]}" --colsep '\t' -a "$todo" \
      "{ echo begin {1}; ${template//\{out\}//dev/stdout} && echo end {1}; } | cat" |
      keep_whole_parts sweep.sh "$todo" 3 "$parts" "$row" "$work/stray"
  fi

  missing=0
  while read -r name; do
    [[ -f $parts/$name ]] || ((missing += 1))
  done < <(job_names)
  if ((missing > 0)); then
    echo "sweep.sh: $missing jobs did not finish; run the same command again to finish them" >&2
    exit 1
  fi

  # The merge is recorded before it starts: where FILE ended (after ending a torn last
  # line, so that no row is glued to it) and what is appended.
  last=$( (tail -c 1 -- "$target" 2>/dev/null || true) | od -An -tx1 | tr -d ' \n')
  [[ -n $last && $last != 0a ]] &&
    echo "sweep.sh: $(quote "$file") did not end with a line end (a row torn when a program was stopped?):" \
         "its last line is ended before the rows are appended" >&2
  [[ $last == 0d ]] && printf '\n' >>"$target"
  [[ -n $last && $last != 0[ad] ]] && printf '\r\n' >>"$target"
  offset=$(stat -c %s -- "$target" 2>/dev/null || echo 0)
  read -r bytes rows sum < <(cd "$parts" && job_names | xargs cat |
    perl -MDigest::SHA -e 'binmode STDIN; my ($b, $r) = (0, 0); my $d = Digest::SHA->new(256);
             while (read(STDIN, my $block, 1 << 16)) { $b += length $block; $r += ($block =~ tr/\n//); $d->add($block) }
             print "$b $r ", $d->hexdigest, "\n"')
  printf '%s\t%s\t%s\t%s\n' "$offset" "$bytes" "$sum" "$rows" >"$work/merging.tmp"
  mv "$work/merging.tmp" "$work/merging"
fi

# Appending (again): what FILE holds from the recorded offset must be the start of the
# rows; the rest is appended in writes of whole rows, so that rows another program
# appends meanwhile land between ours, never inside one.
IFS=$'\t' read -r offset bytes sum rows <"$work/merging"
size=$(stat -c %s -- "$target" 2>/dev/null || echo 0)
have=$((size - offset < bytes ? size - offset : bytes))
if ((have < 0)) || ! cmp -s -n "$have" <(tail -c +$((offset + 1)) -- "$target" 2>/dev/null) \
                                        <(cd "$parts" && job_names | xargs cat 2>/dev/null); then
  echo "sweep.sh: $(quote "$file") changed from byte $offset on while this sweep was appending its rows there;" \
       "they are kept in $(quote "$parts"): append what is missing yourself, or remove $(quote "$work/merging") to append them all" >&2
  exit 1
fi
if ((have < bytes)); then
  (cd "$parts" && job_names | xargs cat) | tail -c +$((have + 1)) |
    perl -e 'open(my $out, ">>:raw", $ARGV[0]) or die "sweep.sh: cannot append to $ARGV[0]: $!\n";
             binmode STDIN; my $carry = "";
             while (read(STDIN, my $block, 1 << 16)) {
               $block = $carry . $block; my $end = rindex($block, "\n") + 1; $carry = substr($block, $end);
               !$end or syswrite($out, $block, $end) == $end or die "sweep.sh: cannot append to $ARGV[0]: $!\n";
             }
             !length $carry or syswrite($out, $carry) == length $carry or die "sweep.sh: cannot append to $ARGV[0]: $!\n"' \
      "$target"
fi
recorded=$(entry="$key"$'\t'"$offset"$'\t'"$bytes"$'\t'"$sum" awk -F'\t' \
  '$1 "\t" $2 "\t" $3 "\t" $4 == ENVIRON["entry"] { found = 1 } END { print found + 0 }' "$work/merged" 2>/dev/null || echo 0)
((recorded)) ||
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$key" "$offset" "$bytes" "$sum" "$rows" "$(date -u '+%Y-%m-%d %H:%M UTC')" >>"$work/merged"
# The sweep ends when its arguments go; what follows only tidies up.
rm "$work/arguments"
rm -rf "$parts" "$work/merging" "$work/todo" "$work/stray"
echo "sweep.sh: $rows rows appended to $(quote "$file")" >&2
