# The two Windows builds and the artifact check of every module in them:
# i686 (what ships; compiling it also runs the host contract's layout
# checks) and x86_64 (what runs under Wine, with its test programs).
source "$(dirname "$0")/../lib.sh"
set -euo pipefail

configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" -DGAUGES_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build/win32" -j "$jobs"
configure "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" -DGAUGE_NATIVE_TREE="$root/build/native"
cmake --build "$root/build/win64" -j "$jobs"

# The check is a native program of ours that reads the files back; the
# native transcript is what the Windows one is compared with in stage 40.
configure "$root/build/native"
cmake --build "$root/build/native" -j "$jobs" --target pecheck gauge_transcript
pecheck="$root/build/native/tools/pecheck/pecheck"
table="$root/tools/pecheck/modules.table"

for pair in i686:win32 x86_64:win64; do
  tree=${pair%%:*}
  dir="$root/build/${pair#*:}/modules"
  shopt -s nullglob
  modules=("$dir"/*.gau)
  shopt -u nullglob
  if [ ${#modules[@]} -eq 0 ]; then
    echo "windows: the $tree build made no module (nothing in $dir)" >&2
    exit 1
  fi
  "$pecheck" "$table" "$tree" "${modules[@]}"
done

# What ships is the stripped i686 files: they must pass the same check.
stripped="$root/build/win32/stripped"
rm -rf "$stripped" && mkdir -p "$stripped"
for gau in "$root"/build/win32/modules/*.gau; do
  i686-w64-mingw32-strip -o "$stripped/$(basename "$gau")" "$gau"
done
"$pecheck" "$table" i686 "$stripped"/*.gau

# The i686 bench, which loads the shipped modules, carries the live panel's
# server. No 32-bit Windows program runs here (no wine32; Wine 8's 32-bit
# WoW64 mode cannot start WS2_32), so check what it was linked as: PE32 for
# i386, with the sockets library.
bench32="$root/build/win32/tools/bench/gaugebench.exe"
if [ -f "$root/tools/bench/http_server.cpp" ]; then
  headers=$(i686-w64-mingw32-objdump -p "$bench32")
  if ! grep -q 'file format pei-i386' <<<"$headers" || ! grep -q 'DLL Name: WS2_32.dll' <<<"$headers"; then
    echo "windows: $bench32 is not an i386 bench linked with WS2_32" >&2
    exit 1
  fi
  echo "windows: the i686 bench is PE32 for i386 with its server linked"
fi

# The sample panel configuration places exactly the gauges the modules have.
transcript="$root/build/native/tests/differential/gauge_transcript"
have=$("$transcript" --list "$root"/build/native/modules/*.so | sort)
placed=$(sed -n 's/^gauge[0-9]*=\([^,]*\),.*/\1/p' "$root/scripts/build.d/dist/panel.cfg" | sort)
if [ "$have" != "$placed" ]; then
  echo "windows: scripts/build.d/dist/panel.cfg does not place exactly the modules' gauges:" >&2
  diff <(echo "$have") <(echo "$placed") >&2 || true
  exit 1
fi
echo "windows: panel.cfg places all $(echo "$have" | wc -l) gauges"
