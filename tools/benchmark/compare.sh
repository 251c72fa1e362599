#!/usr/bin/env bash
# Prints the figures of two benchmarks side by side: the reference and this
# work, each run at 1280 x 720 and 320 x 180 for one or more rounds, as
# tools/benchmark.sh --compare writes them into DIR (WHO-SIZE-ROUND.txt). Each
# figure is the median over the rounds.
#
#   bash tools/benchmark/compare.sh DIR
set -euo pipefail
dir="${1:?usage: compare.sh DIR}"

awk '
# One row of a benchmark table: figure, value, unit and budget, two or more
# spaces apart; indented rows are sub-figures of the row above.
FNR == 1 { split(FILENAME, parts, "/"); run = parts[length(parts)]; sub(/-[0-9]+\.txt$/, "", run) }
/^-+$/ || /^figure / { next }
{
  line = $0
  sub(/^ +/, "", line)
  n = split(line, field, /  +/)
  if (n >= 2) { count[run, field[1]] += 1; value[run, field[1], count[run, field[1]]] = field[2] + 0 }
}

function median(run, figure,   n, i, j, v, t) {
  n = count[run, figure]
  for (i = 1; i <= n; ++i) v[i] = value[run, figure, i]
  for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
  return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
# The median over the rounds of the figure of a run whose name matches `pattern`.
function find(run, pattern,   key, k) {
  for (key in count) {
    split(key, k, SUBSEP)
    if (k[1] == run && k[2] ~ pattern) return sprintf(median(run, k[2]) < 10 ? "%.2f" : "%.1f", median(run, k[2]))
  }
  return ""
}
function games(run,   key, k, last) {
  last = ""
  for (key in count) {
    split(key, k, SUBSEP)
    if (k[1] == run && k[2] ~ /^resident memory after game [0-9]+$/ && k[2] !~ / 1$/) {
      last = k[2]; sub(/.* /, "", last)
    }
  }
  return last
}
function growth(run,   first, last, n) {
  first = find(run, "^resident memory after game 1$")
  n = games(run)
  last = find(run, "^resident memory after game " n "$")
  if (first == "" || last == "" || first == 0) return "-"
  return sprintf("%+.1f%% (%d games)", 100 * (last - first) / first, n)
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
    row("frame median with adaptive pace and a ghost, shadow / cel, " shown " (ms)",
        pair(find(r, "^frame time median with pace and ghost [(]shadow[)]$"),
             find(r, "^frame time median with pace and ghost [(]cel[)]$")),
        pair(find(w, "^frame time median with pace and ghost [(]shadow[)]$"),
             find(w, "^frame time median with pace and ghost [(]cel[)]$")), "")
    row("the ghost in the scene pass, shadow / cel, " shown " (ms)",
        pair(find(r, "^the ghost in the scene pass, median [(]shadow[)]$"),
             find(r, "^the ghost in the scene pass, median [(]cel[)]$")),
        pair(find(w, "^the ghost in the scene pass, median [(]shadow[)]$"),
             find(w, "^the ghost in the scene pass, median [(]cel[)]$")),
        big ? "pace and ghost <= 1" : "")
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
' "$dir"/reference-*.txt "$dir"/work-*.txt
