# The shipping modules: i686 Windows DLLs, stripped, into dist/.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" -DGAUGES_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build/win32" -j "$jobs"
mkdir -p "$root/dist"
for gau in "$root"/build/win32/modules/*.gau; do
  i686-w64-mingw32-strip -o "$root/dist/$(basename "$gau")" "$gau"
done
