#!/usr/bin/env bash
# Prints the figures of two benchmark runs side by side: the reference and
# this work, each run at 1280 x 720 and 320 x 180 (tools/benchmark.sh
# --compare writes the four outputs into DIR).
#
#   bash tools/benchmark/compare.sh DIR
set -euo pipefail
dir="${1:?usage: compare.sh DIR}"

awk '
# One row of a benchmark table: figure, value, unit and budget, two or more
# spaces apart; indented rows are sub-figures of the row above.
FNR == 1 { split(FILENAME, parts, "/"); run = parts[length(parts)]; sub(/\.txt$/, "", run) }
/^-+$/ || /^figure / { next }
{
  line = $0
  sub(/^ +/, "", line)
  n = split(line, field, /  +/)
  if (n >= 2) value[run, field[1]] = field[2]
}

# The first figure of a run whose name matches `pattern`.
function find(run, pattern,   key, k) {
  for (key in value) {
    split(key, k, SUBSEP)
    if (k[1] == run && k[2] ~ pattern) return value[key]
  }
  return ""
}
function games(run,   key, k, count) {
  count = ""
  for (key in value) {
    split(key, k, SUBSEP)
    if (k[1] == run && k[2] ~ /^resident memory after game [0-9]+$/ && k[2] !~ / 1$/) {
      count = k[2]; sub(/.* /, "", count)
    }
  }
  return count
}
function growth(run,   first, last, count) {
  first = find(run, "^resident memory after game 1$")
  count = games(run)
  last = find(run, "^resident memory after game " count "$")
  if (first == "" || last == "" || first == 0) return "-"
  return sprintf("%+.1f%% (%d games)", 100 * (last - first) / first, count)
}
function pair(a, b) { return (a == "" ? "-" : a) " / " (b == "" ? "-" : b) }
function cell(text) { return text == "" ? "-" : text }
function row(figure, ref, work, goal) {
  printf "| %s | %s | %s | %s |\n", figure, cell(ref), cell(work), goal
}

END {
  print "| figure | reference | this work | goal |"
  print "|---|---|---|---|"
  for (s = 1; s <= 2; ++s) {
    size = s == 1 ? "1280x720" : "320x180"
    shown = s == 1 ? "1280 x 720" : "320 x 180"
    r = "reference-" size; w = "work-" size
    big = s == 1
    row("frame median, 99 blocks, shadow mode, " shown " (ms)",
        find(r, "^frame time median, 99 blocks .*[(]shadow[)]$"),
        find(w, "^frame time median, 99 blocks .*[(]shadow[)]$"), big ? "<= 16.7 (must <= 22)" : "")
    row("frame median, 99 blocks, cel mode, " shown " (ms)",
        find(r, "^frame time median, 99 blocks .*[(]cel[)]$"),
        find(w, "^frame time median, 99 blocks .*[(]cel[)]$"), big ? "<= 16.7 (must <= 22)" : "")
    row("scene pass / shadow pass, shadow mode, " shown " (ms)",
        pair(find(r, "^scene pass median [(]shadow[)]$"), find(r, "^shadow pass median [(]shadow[)]$")),
        pair(find(w, "^scene pass median [(]shadow[)]$"), find(w, "^shadow pass median [(]shadow[)]$")), "")
    row("scene pass, cel mode, " shown " (ms)",
        find(r, "^scene pass median [(]cel[)]$"), find(w, "^scene pass median [(]cel[)]$"), "")
    row("processor time per frame, all threads, shadow / cel, " shown " (ms)",
        pair(find(r, "^processor time per frame, all threads [(]shadow[)]$"),
             find(r, "^processor time per frame, all threads [(]cel[)]$")),
        pair(find(w, "^processor time per frame, all threads [(]shadow[)]$"),
             find(w, "^processor time per frame, all threads [(]cel[)]$")), "")
  }
  r = "reference-1280x720"; w = "work-1280x720"
  row("new-game set-up, 99 blocks, shadow / cel (ms)",
      pair(find(r, "^new-game set-up, 99 blocks [(]shadow[)]$"), find(r, "^new-game set-up, 99 blocks [(]cel[)]$")),
      pair(find(w, "^new-game set-up, 99 blocks [(]shadow[)]$"), find(w, "^new-game set-up, 99 blocks [(]cel[)]$")),
      "<= 150 (must <= 250)")
  row("peak resident memory, 99 blocks (MiB)",
      find(r, "^peak resident memory"), find(w, "^peak resident memory"), "<= 200 (must <= 250)")
  row("resident memory, last game against the first", growth(r), growth(w), "within 5% over 20 games")
}
' "$dir/reference-1280x720.txt" "$dir/work-1280x720.txt" "$dir/reference-320x180.txt" "$dir/work-320x180.txt"
