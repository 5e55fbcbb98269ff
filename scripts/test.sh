#!/usr/bin/env bash
# Installs what is missing, builds Brisko and runs every test headless; it ends on
# CTest's summary. With BRISKO_SANITIZED_RUN=1 it then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and runs the
# whole suite there too, so that any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)")
[ "${BRISKO_SANITIZED_RUN:-0}" = 1 ] || exit 0

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO_SANITIZE=ON -DBRISKO_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
# Qt keeps some allocations until the process ends; leaks are not what this run looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
ctest --output-on-failure -j"$(nproc)"
