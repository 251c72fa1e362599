#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test suite, under
# a virtual display when there is none: once in a release build, then again
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh

jobs="$(nproc)"
run_ctest() {
  local dir="$1"
  if [ -n "${DISPLAY:-}" ]; then
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
  else
    xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir "$dir" --output-on-failure -j"$jobs"
  fi
}

echo "== release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLEMOOR_TESTS=ON -DBRINDLEMOOR_TOOLS=ON
cmake --build build -j"$jobs"
run_ctest build

echo "== sanitizer build and tests"
cmake -S . -B build-sanitize -DBRINDLEMOOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEMOOR_TESTS=ON -DBRINDLEMOOR_TOOLS=ON
cmake --build build-sanitize -j"$jobs"
(
  # verify_asan_link_order=0: the tests that start the real game preload the
  # GL driver (tests/CMakeLists.txt).
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:verify_asan_link_order=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
  # The soak test plays fewer games under the sanitizers, which are slower.
  export BRINDLEMOOR_SOAK_GAMES=100
  run_ctest build-sanitize
)
