#!/usr/bin/env bash
# Installs what is missing, builds Brisko and runs every test headless, twice: in
# build/, then built again with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/, where any finding fails its test. The sanitized run happens even when
# the first one failed; the script fails when either did and ends on CTest's
# summary of the sanitized run, the first run's summary line repeated before it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
status=0
(cd build && ctest --output-on-failure -j"$(nproc)") | tee build/ctest-output.txt || status=1

# The sanitized build leaves out the benchmarks: they time code, never check it. Like
# the first, it compiles its sources in batches of several files.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO_SANITIZE=ON -DBRISKO_BUILD_BENCH=OFF \
      -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
# Qt keeps some allocations until the process ends; leaks are not what this run looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "Tests in build/: $(grep -m1 'tests failed out of' build/ctest-output.txt || echo 'no summary')"
echo "The same tests under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/:"
(cd build-asan && ctest --output-on-failure -j"$(nproc)") || status=1
exit "$status"
