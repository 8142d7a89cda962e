#!/usr/bin/env bash
# Runs scripts/sweep.sh's study on a Slurm cluster, one job of the sweep per array task.
# Started as a command, from any folder, it submits itself:
#
#   scripts/sweep-slurm.sh [--generator pcg64|windows] [--chunk TRIALS] [--again] XSIZE YSIZE DENSITY TRIALS SEED FILE
#
# It checks every argument and prepares FILE.sweep/ (sweep.sh --count), submits an
# array of one task per job, and a last job, after the array, that runs any task that
# failed (on the CPUs it is given) and appends the rows to FILE. Slurm runs this same
# script for those: with an array index it runs that one job (sweep.sh --job). The
# logs go to FILE.sweep/logs/. FILE's folder and the build must be on a file system
# that every node shares.
#SBATCH --job-name=ignaro-sweep
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
set -euo pipefail

# Slurm runs its own copy of the script, from its spool: beside sweep.sh, it is a command.
here=$(cd "$(dirname "$0")" && pwd)
if [[ -x $here/sweep.sh ]]; then
  command -v sbatch >/dev/null ||
    { echo "sweep-slurm.sh: no sbatch here: this submits a sweep to Slurm; scripts/sweep.sh runs one here or over ssh" >&2
      exit 2; }
  limit=$(scontrol show config 2>/dev/null | sed -n 's/^MaxArraySize *= *\([0-9]*\).*/\1/p')
  n=$("$here/sweep.sh" --count --array-limit "${limit:-1001}" "$@") || exit
  ((n > 0)) || exit 0  # merged already, as sweep.sh said
  logs=$(realpath -m -- "${*: -1}").sweep/logs
  mkdir -p "$logs"
  # The tasks find sweep.sh, and the CLI, by these whatever folder they start in.
  export IGNARO_SWEEP=$here/sweep.sh
  [[ ${IGNARO_CLI:-} == */* ]] && export IGNARO_CLI=$(realpath -s -m -- "$IGNARO_CLI")
  array=$(sbatch --parsable --array="0-$((n - 1))" --output="$logs/%A-job-%a.log" "$here/sweep-slurm.sh" "$@")
  array=${array%%;*}
  last=$(sbatch --parsable --dependency="afterany:$array" --output="$logs/%j-merge.log" "$here/sweep-slurm.sh" "$@")
  echo "sweep-slurm.sh: submitted $n tasks as job array $array and the merge as job ${last%%;*}; logs in $logs" >&2
  exit 0
fi

sweep=${IGNARO_SWEEP:-${SLURM_SUBMIT_DIR:-$PWD}/scripts/sweep.sh}
[[ -x $sweep ]] ||
  { echo "sweep-slurm.sh: no $sweep: submit the sweep with scripts/sweep-slurm.sh ARGUMENTS (not sbatch)," \
         "or sbatch from the repository's root" >&2
    exit 2; }
if [[ -n ${SLURM_ARRAY_TASK_ID:-} ]]; then
  exec "$sweep" --job "$SLURM_ARRAY_TASK_ID" "$@"
fi
exec "$sweep" -j "${SLURM_CPUS_PER_TASK:-1}" "$@"
