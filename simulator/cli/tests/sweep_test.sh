#!/usr/bin/env bash
# The sweep scripts on the real ignaro-cli (IGNARO_CLI), one case per call:
#   sweep_test.sh SCRIPTS jobs|merge|hosts|slurm|checks|plot
# Hosts and Slurm are stand-ins (a few lines of bash each), so no daemon is needed.
# Every command is bounded in time; the test kills only the process group it started.
set -euo pipefail
scripts=$1 case=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
sweep=(timeout 60 "$scripts/sweep.sh" --chunk 2)
args=(20 20 -94 4 7)  # 7 densities of 2 chunks: 14 jobs, 28 rows
fail() { echo "FAIL: $*"; exit 1; }
other=$'0.5 3 0.25\r'  # a row another program appends to the same file

case $case in
jobs)
  # A sweep killed part-way and started again (with another -j) runs only the jobs it
  # had not finished, gives the file of one that ran through, and keeps the rows others
  # appended meanwhile.
  "${sweep[@]}" -j 1 "${args[@]}" one.txt 2>/dev/null
  [[ $(wc -l <one.txt) -eq 28 ]] || fail "$(wc -l <one.txt) rows, not 28"

  setsid "${sweep[@]}" -j 1 "${args[@]}" killed.txt 2>/dev/null &
  group=$!
  for ((i = 0; i < 1000; i++)); do
    done_jobs=$(find killed.txt.sweep/parts -name '*.txt' 2>/dev/null | wc -l) || true
    ((done_jobs < 4)) || break
    sleep 0.01
  done
  kill -KILL -- "-$group"
  wait "$group" || true
  done_jobs=$(find killed.txt.sweep/parts -name '*.txt' | wc -l)
  ((done_jobs < 14)) || fail "the sweep ended before it could be killed"
  echo "$other" >>killed.txt
  "${sweep[@]}" -j 4 "${args[@]}" killed.txt 2>restart.log
  grep -qx "sweep.sh: $((14 - done_jobs)) of 14 jobs to run" restart.log || fail "$(cat restart.log)"
  cmp <(echo "$other"; cat one.txt) killed.txt
  ;;

merge)
  # A merge cut short (here by a file size limit, mid-row) is finished exactly once by
  # the next run; a sweep already merged appends nothing unless asked to, and then the
  # same rows; once the file no longer holds them, it runs again.
  merge_args=(--chunk 40 20 20 -95 40 7)  # 6 jobs, 240 rows: more than 1 KiB
  echo "$other" >cut.txt
  # The jobs run one by one, as array tasks do, so that the limit meets only the merge
  # (GNU parallel itself needs larger files).
  jobs=$(timeout 60 "$scripts/sweep.sh" --count "${merge_args[@]}" cut.txt)
  for ((j = 0; j < jobs; j++)); do timeout 60 "$scripts/sweep.sh" --job "$j" "${merge_args[@]}" cut.txt; done
  if (ulimit -f 1; timeout 60 "$scripts/sweep.sh" "${merge_args[@]}" cut.txt || exit) 2>cut.log; then
    fail "the merge was not cut short"
  fi
  [[ $(stat -c %s cut.txt) -eq 1024 ]] || fail "the merge did not stop at the limit: $(cat cut.log)"
  timeout 60 "$scripts/sweep.sh" "${merge_args[@]}" cut.txt 2>resumed.log
  grep -q '^sweep.sh: 240 rows appended' resumed.log || fail "$(cat cut.log resumed.log)"
  [[ $(wc -l <cut.txt) -eq 241 ]] || fail "$(wc -l <cut.txt) rows after the resumed merge, not 241"
  rows=$(tail -n +2 cut.txt)
  cp cut.txt merged.txt
  timeout 60 "$scripts/sweep.sh" "${merge_args[@]}" cut.txt 2>again.log
  cmp cut.txt merged.txt
  grep -q 'nothing appended' again.log || fail "$(cat again.log)"
  timeout 60 "$scripts/sweep.sh" --again "${merge_args[@]}" cut.txt 2>/dev/null
  cmp cut.txt <(cat merged.txt; echo "$rows")
  echo "$other" >cut.txt
  timeout 60 "$scripts/sweep.sh" "${merge_args[@]}" cut.txt 2>/dev/null
  cmp cut.txt <(echo "$other"; echo "$rows")
  ;;

hosts)
  # Two logins through a stand-in ssh (one prints a banner on stdout, as a chatty
  # .bashrc does) and a relative IGNARO_CLI give the local file. A job whose output
  # holds a line that is not a row is left out and the sweep fails, with FILE untouched.
  "${sweep[@]}" "${args[@]}" local.txt 2>/dev/null
  mkdir bin home
  ln -s "$IGNARO_CLI" bin/ignaro-cli
  cat >ssh <<EOF
#!/usr/bin/env bash
while [[ \$1 == -* ]]; do [[ \$1 == -[oplFiS] ]] && shift; shift; done
host=\$1; shift; [[ \${1:-} == -- ]] && shift
echo "\$host" >>"$dir/hosts.log"
[[ \$host == *banner* ]] && echo "Welcome to \$host"
# sshd gives a login its shell whatever the caller's environment (parallel's worker
# runs the job with \$SHELL, and CI starts the tests without one).
login_shell=\$(getent passwd "\$(id -un)" | cut -d: -f7)
export SHELL=\${login_shell:-/bin/sh}
cd "$dir/home" && exec "\$SHELL" -c "\$*"
EOF
  chmod +x ssh
  IGNARO_CLI=bin/ignaro-cli "${sweep[@]}" --sshlogin "1/$dir/ssh node1" --sshlogin "1/$dir/ssh banner2" \
    "${args[@]}" remote.txt 2>remote.log || fail "$(cat remote.log)"
  cmp local.txt remote.txt
  [[ $(sort -u hosts.log | tr '\n' ' ') == "banner2 node1 " ]] || fail "jobs ran on $(sort -u hosts.log)"
  grep -q 'Welcome to banner2' remote.log || fail "the banner was not reported: $(cat remote.log)"

  printf '#!/usr/bin/env bash\n[[ " $* " != *" --series 1 "* ]] || echo "a stray line"\nexec %q "$@"\n' \
    "$IGNARO_CLI" >bin/chatty-cli
  chmod +x bin/chatty-cli
  echo "$other" >stray.txt
  if IGNARO_CLI=bin/chatty-cli "${sweep[@]}" 20 20 -99 4 7 stray.txt 2>stray.log; then
    fail "a job with a stray line was merged"
  fi
  grep -q 'job-00000002.txt left out: a line that is not a row' stray.log || fail "$(cat stray.log)"
  cmp stray.txt <(echo "$other")
  ;;

slurm)
  # A stand-in sbatch runs the jobs at once, as Slurm would later: a copy of the script
  # from a spool folder, each array task with its index; the array's last task fails to
  # run, so the merge job runs it. The file is the local one, the logs are beside the
  # work files. Before that: a sweep longer than the cluster's arrays is refused, and
  # leaves nothing that would refuse the next one.
  args=(20 20 -97 4 7)  # 8 jobs
  "${sweep[@]}" "${args[@]}" local.txt 2>/dev/null
  mkdir bin spool
  printf '#!/usr/bin/env bash\necho "MaxArraySize = ${MAX_ARRAY_SIZE:-1001}"\n' >bin/scontrol
  echo "#!/usr/bin/env bash"$'\n'"spool=$dir/spool" >bin/sbatch
  cat >>bin/sbatch <<'EOF'
array= output=
while [[ $1 == --* ]]; do
  case $1 in --array=*) array=${1#--array=} ;; --output=*) output=${1#--output=} ;; esac
  shift
done
id=$((100 + $(ls "$spool" | wc -l)))
cp "$1" "$spool/$id"
shift
if [[ -n $array ]]; then
  for ((task = ${array%-*}; task < ${array#*-}; task++)); do
    log=${output//%A/$id}
    SLURM_JOB_ID=$id SLURM_ARRAY_TASK_ID=$task SLURM_SUBMIT_DIR=$PWD bash "$spool/$id" "$@" >"${log//%a/$task}" 2>&1
  done
else
  SLURM_JOB_ID=$id SLURM_SUBMIT_DIR=$PWD SLURM_CPUS_PER_TASK=2 bash "$spool/$id" "$@" >"${output//%j/$id}" 2>&1
fi
echo "$id"
EOF
  chmod +x bin/*
  export PATH=$dir/bin:$PATH
  if MAX_ARRAY_SIZE=7 timeout 60 "$scripts/sweep-slurm.sh" --chunk 2 "${args[@]}" slurm.txt 2>limit.log; then
    fail "an array longer than MaxArraySize was submitted"
  fi
  grep -q 'MaxArraySize' limit.log || fail "$(cat limit.log)"

  mkdir elsewhere
  (cd elsewhere && timeout 60 "$scripts/sweep-slurm.sh" --chunk 2 "${args[@]}" ../slurm.txt)
  cmp local.txt slurm.txt
  logs=slurm.txt.sweep/logs
  [[ -f $logs/100-job-6.log && ! -e $logs/100-job-7.log ]] || fail "no task logs: $(ls "$logs")"
  grep -qx 'sweep.sh: 1 of 8 jobs to run' "$logs/101-merge.log" || fail "$(cat "$logs/101-merge.log")"

  # Submitted by hand from a folder without the scripts, a task says what to do.
  if (cd elsewhere && SLURM_JOB_ID=7 SLURM_ARRAY_TASK_ID=0 SLURM_SUBMIT_DIR=$PWD \
        timeout 60 bash ../spool/100 "${args[@]}" ../slurm.txt 2>wrong.log); then
    fail "a task without sweep.sh succeeded"
  fi
  grep -q 'no .*/elsewhere/scripts/sweep.sh: submit' elsewhere/wrong.log || fail "$(cat elsewhere/wrong.log)"
  ;;

checks)
  # Every argument is checked before the first job: a rejection exits 2, says why, and
  # leaves no work folder.
  mkdir folder
  while IFS='|' read -r message arguments; do
    read -r -a words <<<"$arguments"
    status=0
    timeout 60 "$scripts/sweep.sh" "${words[@]}" 2>check.log || status=$?
    [[ $status -eq 2 ]] && grep -qF -- "$message" check.log || fail "$arguments: exit $status, $(cat check.log)"
    [[ ! -e ${words[-1]}.sweep ]] || fail "$arguments: a work folder was made"
  done <<'EOF'
-j takes the number of jobs at a time, from 1, not 'abc'|-j abc 20 20 45 2 7 out.txt
-j takes the number of jobs at a time, from 1, not '0'|-j 0 20 20 45 2 7 out.txt
'folder' is a folder|20 20 45 2 7 folder
no folder|20 20 45 2 7 missing/out.txt
Liczba prób powinna być większa od zera!|20 20 45 0 7 out.txt
Rozmiar x powinien być większy od zera!|-j 2 0 20 45 2 7 out.txt
SEED is a whole number|20 20 45 2 -7 out.txt
EOF
  ;;

plot)
  timeout 60 "$IGNARO_CLI" 40 40 -85 5 1 one.txt --seed 7
  timeout 60 "$scripts/plot-sweep.py" one.txt one.png
  [[ $(head -c 8 one.png | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] || { echo "FAIL: not a PNG"; exit 1; }
  printf '0.5 10 0.25\r\n0.5 ten 0.25\r\n' >bad.txt
  if timeout 60 "$scripts/plot-sweep.py" bad.txt bad.png 2>bad.log || ! grep -q '^bad.txt:2: ' bad.log; then
    echo "FAIL: a malformed row was not refused by its line:"; cat bad.log; exit 1
  fi
  ;;

*) fail "no case $case" ;;
esac
echo "sweep scripts, $case: passed"
