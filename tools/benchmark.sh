#!/usr/bin/env bash
# Builds and runs the benchmark from the repository root (under a virtual
# display when there is none).
#
#   bash tools/benchmark.sh [--quick] [--size=WxH] [--only=SECTION]
#       this tree's benchmark; --quick for a short run
#   bash tools/benchmark.sh --compare [--against REF] [--rounds=N] [--quick]
#       the benchmark of REF (default: the commit this branch left main at)
#       and of this tree, run in turn at 1280 x 720 and 320 x 180, N rounds
#       (default 3), and the medians over the rounds side by side. REF is
#       built from a worktree under build-compare/ (kept for the next time).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

compare=false
against=""
rounds=3
quick=()
pass=()
while [ $# -gt 0 ]; do
  case "$1" in
    --compare) compare=true ;;
    --against) compare=true; against="${2:?--against needs a commit}"; shift ;;
    --against=*) compare=true; against="${1#--against=}" ;;
    --rounds=*) rounds="${1#--rounds=}" ;;
    --quick) quick=(--quick); pass+=("$1") ;;
    *) pass+=("$1") ;;
  esac
  shift
done

bash tools/install-deps.sh
jobs="$(nproc)"

# build_benchmark SOURCE BUILD: configures SOURCE into BUILD and builds only the benchmark.
build_benchmark() {
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DBRINDLEMOOR_TESTS=OFF >/dev/null
  cmake --build "$2" --target brindlemoor_benchmark -j"$jobs" >/dev/null
}

# run_benchmark DIR BINARY ARGS...: runs from DIR, where its Resources/ and Shader/ are.
run_benchmark() {
  local dir="$1" binary="$2"
  shift 2
  if [ -n "${DISPLAY:-}" ]; then
    (cd "$dir" && "$binary" "$@")
  else
    (cd "$dir" && xvfb-run -a -s "-screen 0 1920x1080x24" "$binary" "$@")
  fi
}

if ! $compare; then
  build_benchmark . build
  run_benchmark . "$root/build/tools/benchmark/brindlemoor_benchmark" "${pass[@]+"${pass[@]}"}"
  exit 0
fi

ref="$(git rev-parse --verify "${against:-$(git merge-base HEAD main)}^{commit}")"
out="$root/build-compare"
source_dir="$out/reference-src"
mkdir -p "$out"
if [ -d "$source_dir" ]; then
  git -C "$source_dir" checkout --quiet --detach "$ref"
else
  git worktree prune  # forgets a reference folder deleted by hand
  git worktree add --quiet --detach "$source_dir" "$ref"
fi
echo "reference: $(git log -1 --format='%h %s' "$ref")"
echo "this work: $(git log -1 --format='%h %s' HEAD)$(git diff --quiet HEAD || echo ' (with uncommitted changes)')"
build_benchmark "$source_dir" "$out/reference"
build_benchmark . build

# Turn about, so that load from elsewhere on the machine falls on both alike;
# at the small size only the frame figures are wanted (older benchmarks ignore
# --only and run every section).
rm -f "$out"/reference-*.txt "$out"/work-*.txt
for round in $(seq "$rounds"); do
  order="reference work"
  [ $((round % 2)) -eq 0 ] && order="work reference"
  for size in 1280x720 320x180; do
    only=()
    [ "$size" = 320x180 ] && only=(--only=frames)
    for who in $order; do
      echo "round $round: the $who benchmark at $size" >&2
      if [ "$who" = reference ]; then
        dir="$source_dir" binary="$out/reference/tools/benchmark/brindlemoor_benchmark"
      else
        dir=. binary="$root/build/tools/benchmark/brindlemoor_benchmark"
      fi
      run_benchmark "$dir" "$binary" "${quick[@]+"${quick[@]}"}" "${only[@]+"${only[@]}"}" --size="$size" \
        >"$out/$who-$size-$round.txt"
    done
  done
done

bash tools/benchmark/compare.sh "$out"
