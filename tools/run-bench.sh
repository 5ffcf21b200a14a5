#!/usr/bin/env bash
# Runs every benchmark of a benchmark build, one after the other.
set -euo pipefail
build=$1
for b in "$build"/bench/bench_*; do
  # Only the programs: the build also leaves folders named bench_*_autogen.
  [[ -f "$b" && -x "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b"
done
