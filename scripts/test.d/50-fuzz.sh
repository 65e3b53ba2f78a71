# Fuzzing: the modules, the stand-in and the emulator built with clang,
# libFuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer.
# Each harness runs for a bounded time from its committed seed corpus
# (GAUGES_FUZZ_SECONDS each, 25 by default), every input that once crashed
# a harness is replayed, and the harnesses are shown to abort on a host
# fault. Each bounded run's count of inputs is printed at the end, and a run
# with fewer than 200 inputs a second of it (or GAUGES_FUZZ_MIN_INPUTS) fails.
# Longer runs by hand: tests/fuzz/README.md.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
# Warnings are the native build's concern; clang's differ from gcc's.
configure "$root/build/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DGAUGES_SANITIZE=fuzzer-no-link,address,undefined -DGAUGES_WERROR=OFF \
  -DGAUGES_FUZZ_SECONDS="${GAUGES_FUZZ_SECONDS:-25}" -DGAUGES_FUZZ_MIN_INPUTS="${GAUGES_FUZZ_MIN_INPUTS:-}"
cmake --build "$root/build/fuzz" -j 2 --target fuzzers probe
rm -f "$root"/build/fuzz/tests/fuzz/*/inputs_run.txt
ctest --test-dir "$root/build/fuzz" -L fuzz --output-on-failure
# How many inputs each bounded run got through.
cat "$root"/build/fuzz/tests/fuzz/*/inputs_run.txt
