#!/usr/bin/env bash
# Sets up, builds and runs the program. The version check is answered by a local HTTPS
# server with a throwaway certificate, serving a version file that lets this version run;
# the build it starts trusts that certificate only. Without a display the program runs
# under Xvfb, and a screenshot of its window is saved and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup.sh

demo=$root/build/demo
site=$demo/site
mkdir -p "$site"

port_is_free() { ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
port=${VISITOR_TALLY_DEMO_PORT:-48443}
until port_is_free "$port"; do port=$((20000 + RANDOM % 20000)); done

if [[ ! -f $demo/cert.pem ]] || ! openssl x509 -checkend 3600 -noout -in "$demo/cert.pem" >/dev/null; then
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 30 \
    -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 \
    -keyout "$demo/key.pem" -out "$demo/cert.pem" 2>/dev/null
fi
version_path=%E6%9B%B4%E6%96%B0%E7%89%88%E6%9C%AC.txt
printf '版本【V20191028】\r\n' | iconv -f UTF-8 -t GBK > "$site/$version_path"

cmake --preset release -B "$demo/build" -DVISITOR_TALLY_TESTS=OFF -DVISITOR_TALLY_BENCHMARKS=OFF \
  -DVISITOR_TALLY_VERSION_URL="https://127.0.0.1:$port/$version_path" \
  -DVISITOR_TALLY_CA_FILE="$demo/cert.pem" >/dev/null
cmake --build "$demo/build" -j "$(nproc)" --target visitor-tally
program=$demo/build/src/app/visitor-tally

(cd "$site" && exec openssl s_server -quiet -WWW -accept "$port" -cert "$demo/cert.pem" -key "$demo/key.pem") \
  >/dev/null 2>&1 &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
until ! port_is_free "$port"; do sleep 0.1; done

echo "The program keeps its files beside itself: $(dirname "$program")"
if [[ -n ${DISPLAY:-} ]]; then
  "$program"
  exit
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display "$program" &
program_pid=$!
sleep "${VISITOR_TALLY_SCREENSHOT_DELAY:-3}"
screenshot=$demo/window.png
# Without a window manager the window has no frame and stands where it was centred.
if DISPLAY=$display import -window root -crop 800x550+$(((1280 - 1008) / 2))+$(((800 - 550) / 2)) +repage \
    "$screenshot" 2>/dev/null; then
  echo "Screenshot of the window: $screenshot"
fi
echo "The program runs on display $display (no display was set); stop it with Ctrl+C."
wait "$program_pid"
