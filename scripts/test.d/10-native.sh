# The native build and its test suite.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
configure "$root/build/native"
cmake --build "$root/build/native" -j "$jobs"
ctest --test-dir "$root/build/native" --output-on-failure -j "$jobs"
