#!/usr/bin/env bash
# Builds the disc checker with AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-sanitize/, the rest of the program as usual) and runs the disc
# check tests on it: the hostile discs, the unplayable tables and the good
# discs. A sanitizer's report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
nice -n 19 cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVA_SANITIZE_CHECKER=ON >/dev/null
nice -n 19 cmake --build build-sanitize -j2
# libdvdread asks calloc for impossible sizes on some counts and copes with
# the null it gets; the program's own leaks at exit are not looked for here.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize/tests
QT_QPA_PLATFORM=offscreen nice -n 19 ./pipeline_disc_check_tests "$@"
