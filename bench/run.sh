#!/bin/bash
# Runs every benchmark of a build inside one Wine session and prints their rows as one table.
# Usage: bench/run.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
tools=$(cd "$(dirname "$0")/../tools" && pwd)
# One session for all benchmarks: a warm wineserver, so no program pays for starting one.
"$tools/wine-session.sh" "$build" bash -c '
  for exe in "$1"/bench/*_bench.exe; do
    [ -e "$exe" ] || continue
    "$1/wine-run" "$exe" || echo "BENCH|$(basename "$exe" .exe)|failed|-|-"
  done' run-benches "$build" |
  awk -F'|' '
    $1 == "BENCH" { rows[++n] = $2 "|" $3 "|" $4 "|" $5 }
    END {
      fmt = "%-30s %-12s %-10s %s\n"
      printf fmt, "benchmark", "size", "time", "cost per unit"
      for (i = 1; i <= n; ++i) { split(rows[i], f, "|"); printf fmt, f[1], f[2], f[3], f[4] }
    }'
