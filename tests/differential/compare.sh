#!/usr/bin/env bash
# compare.sh <native transcript> <native modules> <wine dir> <windows transcript> <windows modules> <out dir>
# Runs the transcript over the same modules natively and under Wine and
# fails on any difference, showing it.
set -euo pipefail
native_program=$1 native_modules=$2 wine_dir=$3 windows_program=$4 windows_modules=$5 out=$6
here=$(cd "$(dirname "$0")" && pwd)

names() { find "$1" -maxdepth 1 -name "*.$2" -printf '%f\n' | sed "s/\.$2\$//" | sort; }
native_names=$(names "$native_modules" so)
windows_names=$(names "$windows_modules" gau)
if [ "$native_names" != "$windows_names" ]; then
  echo "differential: the builds hold different modules: native [$(echo $native_names)], Windows [$(echo $windows_names)]" >&2
  exit 1
fi
if [ -z "$native_names" ]; then
  echo "differential: no modules to compare in $native_modules" >&2
  exit 1
fi
native_files=() windows_files=()
for m in $native_names; do
  native_files+=("$native_modules/$m.so")
  windows_files+=("$windows_modules/$m.gau")
done

mkdir -p "$out"
"$native_program" "${native_files[@]}" >"$out/native.txt"
"$here/../wine/run.sh" "$wine_dir" "$windows_program" "${windows_files[@]}" >"$out/wine.txt"
if ! diff -u "$out/native.txt" "$out/wine.txt" >"$out/difference.txt"; then
  echo "differential: the native and the Wine transcripts differ:" >&2
  head -n 60 "$out/difference.txt" >&2
  exit 1
fi
echo "differential: $(wc -l <"$out/native.txt") lines alike for $(echo $native_names)"
