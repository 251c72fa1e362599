#!/usr/bin/env bash
# Sets up what is missing, builds the game in release mode and starts it from
# the repository root (where it finds config.txt, Resources/ and Shader/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target brindlemoor -j"$(nproc)"
exec ./build/brindlemoor
