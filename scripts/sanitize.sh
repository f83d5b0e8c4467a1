#!/bin/bash
# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer:
# configures build-asan with -DVIMO_SANITIZE=ON, builds everything and runs
# ctest (the unit tests, the Qt layer's tests and the end-to-end suites, whose
# program is then the sanitized one). Any sanitizer report fails its test.
#
#   scripts/sanitize.sh [ctest arguments...]
#
# Environment: CXX (gcc or clang, default the system's c++), VIMO_JOBS
# (build and test jobs, default the number of processors).
set -u
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build-asan
JOBS=${VIMO_JOBS:-$(nproc)}

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIMO_SANITIZE=ON \
    ${CXX:+-DCMAKE_CXX_COMPILER="$CXX"} || exit 1
nice ninja -C "$BUILD" -j"$JOBS" || exit 1

# Leaks count as failures too, except those inside the system's libraries
# (font configuration, Qt's platform plugins), which are not ours to mend.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0
cd "$BUILD" && ctest --output-on-failure -j"$JOBS" "$@"
