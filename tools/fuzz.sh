#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and libFuzzer into build-fuzz/ and runs
# each one for the given number of seconds (default 60). Not part of CI: the
# test command only replays the committed corpus.
#   bash tools/fuzz.sh [seconds] [target...]   targets: config level_file word_list tga text_mesh recording sound_file
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

seconds="${1:-60}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(config level_file word_list tga text_mesh recording sound_file)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBRINDLEMOOR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --target brindlemoor_fuzzers -j"$(nproc)"

# Leaks of libraries we do not own are suppressed by name; any other leak
# stops the run like a crash.
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0"

status=0
for target in "${targets[@]}"; do
  # New inputs go to a working corpus in the build tree; the committed corpus
  # under tests/fuzz/corpus/ stays small and only grows by hand.
  work="build-fuzz/corpus/$target"
  artifacts="build-fuzz/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts")
  if [ -f "tests/fuzz/$target.dict" ]; then
    options+=(-dict="tests/fuzz/$target.dict")
  fi
  echo "== fuzz_$target for ${seconds} s"
  if ! "build-fuzz/tests/fuzz_$target" "${options[@]}" "$work" "tests/fuzz/corpus/$target"; then
    echo "fuzz_$target found a failing input in $artifacts: add it to tests/fuzz/corpus/$target/"
    status=1
  fi
done
exit "$status"
