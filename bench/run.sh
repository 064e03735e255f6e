#!/bin/bash
# Runs every benchmark of a build inside one Wine session, measures an installer exe's make-up (the
# build's own unless another is named), and prints all their rows as one table.
# Usage: bench/run.sh BUILD_DIR [EXE]
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
tools=$(cd "$here/../tools" && pwd)
# One session for all benchmarks: a warm wineserver, so no program pays for starting one.
# Start-up first, while the machine is quietest; then the rest in name order.
{
  "$tools/wine-session.sh" "$build" bash -c '
    for exe in "$1/bench/startup_bench.exe" "$1"/bench/*_bench.exe; do
      [ -e "$exe" ] || continue
      case " $done " in *" $exe "*) continue ;; esac
      done="$done $exe"
      "$1/wine-run" "$exe" || echo "BENCH|$(basename "$exe" .exe)|failed|-|-"
    done
    # The search over both views of HKEY_LOCAL_MACHINE, in the 64-bit prefix.
    "$2/wow64-prefix.sh" start "$1/wineprefix64" &&
      WINEPREFIX="$1/wineprefix64" "$1/wine-run" "$1/bench/discovery_bench.exe" --both-views ||
      echo "BENCH|discovery_bench --both-views|failed|-|-"
    "$2/wow64-prefix.sh" stop "$1/wineprefix64"' run-benches "$build" "$tools"
  python3 "$here/exe_size.py" "${2:-$build/startup/glimmerion-setup.exe}"
} |
  awk -F'|' '
    $1 == "BENCH" { rows[++n] = $2 "|" $3 "|" $4 "|" $5 }
    END {
      fmt = "%-44s %-18s %-9s %s\n"
      printf fmt, "benchmark", "size", "time", "cost per unit"
      for (i = 1; i <= n; ++i) { split(rows[i], f, "|"); printf fmt, f[1], f[2], f[3], f[4] }
    }'
