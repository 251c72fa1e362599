#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test suite, under
# a virtual display when there is none.
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
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
run_ctest build
