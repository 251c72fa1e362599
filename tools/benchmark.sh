#!/usr/bin/env bash
# Builds and runs the benchmark from the repository root (under a virtual
# display when there is none). Pass --quick for a short run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target brindlemoor_benchmark -j"$(nproc)"
if [ -n "${DISPLAY:-}" ]; then
  ./build/tools/benchmark/brindlemoor_benchmark "$@"
else
  xvfb-run -a -s "-screen 0 1920x1080x24" ./build/tools/benchmark/brindlemoor_benchmark "$@"
fi
