#!/bin/bash
# Runs every benchmark of a build inside one Wine session and prints their rows as one table.
# Usage: bench/run.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
tools=$(cd "$(dirname "$0")/../tools" && pwd)
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
# One session for all benchmarks: a warm wineserver, so no program pays for starting one.
"$tools/wine-session.sh" "$build" bash -c '
  for exe in "$1"/bench/*_bench.exe; do
    [ -e "$exe" ] || continue
    "$1/wine-run" "$exe" || echo "BENCH|$(basename "$exe" .exe)|failed|-|-"
  done' run-benches "$build" | grep '^BENCH|' >"$rows" || true
{
  echo "benchmark|size|time|cost per unit"
  cut -d'|' -f2- "$rows"
} | column -t -s '|'
