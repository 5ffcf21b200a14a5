#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds each,
# starting from the seed corpus in fuzz/corpus/<target>.
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$build"/fuzz/fuzz_*; do
  [[ -x "$target" ]] || continue
  name=$(basename "$target")
  name=${name#fuzz_}
  seeds="$root/fuzz/corpus/$name"
  work="$root/fuzz/corpus-work/$name"
  artifacts="$root/fuzz/artifacts/$name/"
  mkdir -p "$work" "$artifacts"
  echo "== fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts" -print_final_stats=1 "$work" "$seeds" || status=1
done
exit $status
