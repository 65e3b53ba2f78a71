#!/usr/bin/env bash
# One bounded run of a fuzz harness for the test suite:
#   bounded_run.sh <harness> <minimum inputs> <summary file> <libFuzzer arguments...>
# Runs the harness with -print_final_stats=1, keeps its output in a log
# beside the summary, and writes to the summary (and prints) how many inputs
# it ran and how fast. Fails when the harness fails, or when it ran fewer
# inputs than the minimum: far below what this machine runs, a sign that
# something made every input slow again, not the load of a busy machine.
set -uo pipefail
harness=$1 minimum=$2 summary=$3
shift 3
log="${summary%.*}.log"
"$harness" -print_final_stats=1 "$@" >"$log" 2>&1
status=$?
inputs=$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$log")
rate=$(awk '/^stat::average_exec_per_sec:/ { print $2 }' "$log")
name=$(basename "$harness")
if [[ $status -ne 0 || -z $inputs ]]; then
  tail -n 60 "$log"
  echo "$name: failed (exit $status); its output is in $log"
  exit 1
fi
echo "$name: $inputs inputs run, $rate per second" | tee "$summary"
if (( inputs < minimum )); then
  echo "$name: fewer than $minimum inputs: each input costs far more than it should"
  exit 1
fi
