#!/usr/bin/env bash
# Sets up, builds and runs the program. Without a display it runs under Xvfb, saves a
# screenshot of the window and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset release -DVISITOR_TALLY_TESTS=OFF
cmake --build --preset release -j "$(nproc)" --target visitor-tally
program=build/release/src/app/visitor-tally

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$program"
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$program" &
program_pid=$!
sleep "${VISITOR_TALLY_SCREENSHOT_DELAY:-3}"
screenshot=$PWD/build/release/window.png
DISPLAY=$display import -window root "$screenshot" && echo "Screenshot of the window: $screenshot"
echo "The program runs on display $display; stop it with Ctrl+C."
wait "$program_pid"
