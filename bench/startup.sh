#!/usr/bin/env bash
# Start-up of the program beside a bare Qt main window, on a virtual display:
# wall time from process start to first paint, CPU time of the whole run and
# peak memory, medians over interleaved runs. Needs xvfb (and hyperfine for
# its second opinion on whole-process times, when installed).
#   bench/startup.sh [RUNS]   (default 40; build the benchmarks first:
#                              cmake --preset ci && cmake --build build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-40}"
probe=build/bench/startup_probe
display=":$((200 + RANDOM % 50))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
export DISPLAY="$display"
sleep 1
build/bench/startup_timer "$probe" "$runs"
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 5 --runs "$runs" "$probe bare" "$probe program"
fi
