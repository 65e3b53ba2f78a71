# The native test suite again, every target built with AddressSanitizer and
# UndefinedBehaviorSanitizer: an out-of-bounds access, a use after free, a
# leak or undefined behaviour in a module, the stand-in or the emulator
# fails the test that caused it.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
configure "$root/build/sanitize" -DGAUGES_SANITIZE=address,undefined
cmake --build "$root/build/sanitize" -j 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$root/build/sanitize" --output-on-failure -j 2
