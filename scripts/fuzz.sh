#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 6, the smoke run of the
# test command; give e.g. 600 for a real session). The seed corpora in fuzz/corpus are copied
# first, so a run never changes the repository; findings are written to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-6}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

findings=$PWD/build/fuzz/findings
mkdir -p "$findings"
failed=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  corpus=$PWD/build/fuzz/corpus/$target
  mkdir -p "$corpus"
  cp -n "$seeds"* "$corpus"/ 2>/dev/null || true
  if (cd "$findings" && "$OLDPWD/build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 "$corpus" >"$findings/$target.log" 2>&1); then
    echo "fuzz $target: $(grep -oE 'Done [0-9]+ runs' "$findings/$target.log") in ${seconds}s, no finding"
  else
    echo "fuzz $target: FINDING, see $findings/$target.log"
    tail -30 "$findings/$target.log"
    failed=1
  fi
done
exit "$failed"
