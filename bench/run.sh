#!/bin/bash
# Runs the engine benchmarks from a Release build folder: generation per level, grading
# throughput in-process, and grading through `orvante-engine grade` on standard input.
set -euo pipefail
build="${1:-build-bench}"
"$build/bench/engine-bench" "${SEEDS:-300}"

puzzles="$(mktemp)"
trap 'rm -f "$puzzles"' EXIT
"$build/tools/orvante-engine" generate --level 3 --count 2000 --seed 1 | cut -d' ' -f1 > "$puzzles"
start=$(date +%s.%N)
"$build/tools/orvante-engine" grade < "$puzzles" > /dev/null
end=$(date +%s.%N)
awk -v n="$(wc -l < "$puzzles")" -v s="$start" -v e="$end" \
    'BEGIN { printf "orvante-engine grade: %d puzzles in %.3f s, %.0f puzzles/s\n", n, e - s, n / (e - s) }'
