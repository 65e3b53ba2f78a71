# The x86_64 Windows build's tests under 64-bit Wine (the tree stage 30
# built): the emulator, readout and radio tests as they run natively, the
# loader, belvane and coristal against real Win32, and the differential
# check against the native build. One prefix per build tree, made once and
# reused; no Wine process outlives the stage.
source "$(dirname "$0")/../lib.sh"
source "$root/tests/wine/prefix.sh"
set -euo pipefail

if [ ! -f "$root/build/win64/CTestTestfile.cmake" ]; then
  echo "wine: build/win64 has no tests; stage 30 builds it" >&2
  exit 1
fi
wine_dir="$root/build/win64/wine"
trap 'wine_stop "$wine_dir"' EXIT
# One server for the whole stage: the test programs attach to it.
wine_start "$wine_dir"
ctest --test-dir "$root/build/win64" --output-on-failure -j "$jobs"
