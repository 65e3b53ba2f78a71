# Fuzzing: the modules, the stand-in and the emulator built with clang,
# libFuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer.
# Each harness runs for a bounded time from its committed seed corpus
# (GAUGES_FUZZ_SECONDS each, 25 by default), every input that once crashed
# a harness is replayed, and the harnesses are shown to abort on a host
# fault. Longer runs by hand: tests/fuzz/README.md.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
# Warnings are the native build's concern; clang's differ from gcc's.
configure "$root/build/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DGAUGES_SANITIZE=fuzzer-no-link,address,undefined -DGAUGES_WERROR=OFF \
  -DGAUGES_FUZZ_SECONDS="${GAUGES_FUZZ_SECONDS:-25}"
cmake --build "$root/build/fuzz" -j 2 --target fuzzers probe
ctest --test-dir "$root/build/fuzz" -L fuzz --output-on-failure
