# The shipped 32-bit modules, run. 64-bit Wine runs 32-bit Windows programs
# in its WoW64 mode with Wine's own 32-bit Windows DLLs (unpacked by
# scripts/fetch-wine-i386, nothing 32-bit installed). Here:
#  - build/win32-tests, an i686 tree with the tests (build/win32 stays what
#    ships), runs under Wine every test that stage 40 runs as x86_64,
#    and the i686-only ones (the stdcall check of every call into a module);
#  - the stripped files of dist/ themselves, as scripts/build leaves them
#    (its stages run here first, so a fresh clone has them and they are
#    never stale), are driven by the i686 transcript program and bench:
#    their transcript equals the native one (also with the x87 unit in
#    single precision), and the gallery drawn from them equals
#    dist/previews/ byte for byte.
source "$(dirname "$0")/../lib.sh"
source "$root/tests/wine/prefix.sh"
set -euo pipefail

"$root/scripts/fetch-wine-i386"
tree="$root/build/win32-tests"
configure "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" -DGAUGE_NATIVE_TREE="$root/build/native"
cmake --build "$tree" -j "$jobs"
configure "$root/build/native"
cmake --build "$root/build/native" -j "$jobs" --target pecheck gauge_transcript

for s in "$root"/scripts/build.d/*.sh; do
  bash "$s" >/dev/null
done
modules=(tarnwick halbrook belvane coristal)
for m in "${modules[@]}"; do
  [ -f "$root/dist/$m.gau" ] || { echo "wine32: scripts/build left no dist/$m.gau" >&2; exit 1; }
done
"$root/build/native/tools/pecheck/pecheck" "$root/tools/pecheck/modules.table" i686 "$root"/dist/*.gau

wine_dir="$tree/wine"
trap 'wine_stop "$wine_dir"' EXIT
wine_start "$wine_dir"
ctest --test-dir "$tree" --output-on-failure -j "$jobs"

shipped="$tree/shipped"
rm -rf "$shipped"
compare_shipped() {
  bash "$root/tests/differential/compare.sh" \
    "$root/build/native/tests/differential/gauge_transcript" "$root/build/native/modules" \
    "$wine_dir" "$tree/tests/differential/gauge_transcript.exe" "$root/dist" "$1"
}
compare_shipped "$shipped"
# Again with the x87 unit in single precision, as Direct3D leaves it in the
# simulator: doubles computed in SSE2 registers do not change.
GAUGE_X87_PRECISION=24 compare_shipped "$shipped/x87-single"

render_gallery "$shipped/previews" "$root/dist" .gau "${modules[@]}" -- \
  "$root/tests/wine/run.sh" "$wine_dir" "$tree/tools/bench/gaugebench.exe" >/dev/null
if ! diff -r "$root/dist/previews" "$shipped/previews" >&2; then
  echo "wine32: the gallery drawn from dist/ by the i686 bench differs from dist/previews/" >&2
  exit 1
fi
echo "wine32: the i686 bench drew $(ls "$shipped/previews" | wc -l) pictures from dist/, identical to dist/previews/"
