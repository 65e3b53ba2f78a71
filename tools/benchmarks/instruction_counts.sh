#!/usr/bin/env bash
# Instructions per frame of every gauge, counted by callgrind: the frames
# frame_cost runs inside measured_frames() (after load, install and
# warm-up), divided by their number, and the share of them spent in the
# gauge's own module file (the rest is the host emulator and the Win32
# stand-in natively; on Windows the real system takes the stand-in's place).
#
#   tools/benchmarks/instruction_counts.sh [build dir] [frames]
#
# The build dir defaults to build/native, frames to 2000. Prints one line a
# gauge: module!gauge, instructions per frame, the module's own, its share.
set -euo pipefail
build=${1:-build/native}
frames=${2:-2000}
program="$build/tools/benchmarks/frame_cost"
if [[ ! -x $program ]]; then
  echo "instruction_counts: $program: no such program (build the frame_cost target)" >&2
  exit 1
fi
command -v valgrind >/dev/null || { echo "instruction_counts: valgrind is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-28s %12s %12s %7s\n' gauge per_frame module_own share
"$program" --list | while read -r module gauge; do
  out="$work/callgrind.out"
  valgrind --tool=callgrind --toggle-collect=measured_frames --callgrind-out-file="$out" \
    "$program" "$module" "$gauge" "$frames" </dev/null >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  file=$(basename "$module")
  # Self cost by object file, read from callgrind's output: "ob=" names the
  # object of the functions that follow (compressed as "(n) name" where an
  # "ob=" or a callee's "cob=" first names it, "(n)" after), a cost line's
  # last field is its instructions, and the cost line after "calls=" is a
  # call's inclusive cost, already counted in its callee.
  awk -v obj="$file" -v name="${file%.*}!$gauge" -v n="$frames" '
    /^ob=/ {
      id = substr($0, 4)
      if (match(id, /^\([0-9]+\) /)) { key = substr(id, 1, RLENGTH - 1); names[key] = substr(id, RLENGTH + 1); ob = names[key] }
      else if (id ~ /^\([0-9]+\)$/) ob = names[id]
      else ob = id
      next
    }
    /^cob=/ {
      id = substr($0, 5)
      if (match(id, /^\([0-9]+\) /)) names[substr(id, 1, RLENGTH - 1)] = substr(id, RLENGTH + 1)
      next
    }
    /^calls=/ { skip = 1; next }
    /^[0-9+*-]/ {
      if (skip) { skip = 0; next }
      cost = $NF; total += cost
      k = split(ob, parts, "/")
      if (parts[k] == obj) own += cost
      next
    }
    END { printf "%-28s %12.0f %12.0f %6.1f%%\n", name, total / n, own / n, (total > 0 ? 100 * own / total : 0) }
  ' "$out"
done
