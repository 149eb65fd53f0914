#!/usr/bin/env bash
# Start to first shown window and peak memory: the program's windows beside a
# bare Qt main window, on a virtual display. Needs xvfb and hyperfine.
set -euo pipefail
cd "$(dirname "$0")/.."
probe=build/bench/startup_probe
display=":$((200 + RANDOM % 50))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
export DISPLAY="$display"
sleep 1
build/bench/startup_timer "$probe" 40
hyperfine -N --warmup 5 --runs 40 "$probe bare" "$probe program"
for kind in bare program; do
    /usr/bin/time -f "$kind: peak memory %M KiB" "$probe" "$kind"
done
