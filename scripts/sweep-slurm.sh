#!/usr/bin/env bash
# A Slurm job array for scripts/sweep.sh: each array task runs one job of the sweep,
# with the same command that sweep.sh gives GNU parallel; without an array index (the
# job that follows the array) it runs whatever is missing and appends the rows to FILE.
# Submit from the repository's root, where FILE and build/ are found:
#
#   n=$(scripts/sweep.sh --count 1000 1000 -1 100 42 results.txt)
#   array=$(sbatch --parsable --array=0-$((n - 1)) scripts/sweep-slurm.sh 1000 1000 -1 100 42 results.txt)
#   sbatch --dependency=afterany:$array scripts/sweep-slurm.sh 1000 1000 -1 100 42 results.txt
#
# The options of sweep.sh (--generator, --chunk) go before the six arguments, alike in
# all three commands.
#SBATCH --job-name=ignaro-sweep
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
#SBATCH --output=ignaro-sweep-%A_%a.log
set -euo pipefail
# Slurm runs a copy of this script from its spool: sweep.sh is found from where the
# job was submitted.
sweep=${SLURM_SUBMIT_DIR:-.}/scripts/sweep.sh
if [[ -n ${SLURM_ARRAY_TASK_ID:-} ]]; then
  exec "$sweep" --job "$SLURM_ARRAY_TASK_ID" "$@"
fi
exec "$sweep" -j "${SLURM_CPUS_PER_TASK:-1}" "$@"
