#!/usr/bin/env bash
# Start-up of the program beside a bare Qt main window (the floor): wall time
# from process start to first paint, CPU time of the whole run and peak
# memory, medians over interleaved runs, with the ratio to the floor for each
# and the machine's load. On a virtual display (Xvfb) where it is installed,
# else on Qt's offscreen platform. Build the benchmarks first:
#   cmake --preset ci && cmake --build --preset ci --target startup_timer
#   bench/startup.sh [RUNS]    (default 30)
#   bench/startup.sh --quick   (3 runs on the offscreen platform: checks that
#                               it runs and measures, as CI does)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${PARABEL_BUILD:-build}"
runs=30
quick=false
case "${1:-}" in
    --quick) quick=true runs=3 ;;
    "") ;;
    *) runs="$1" ;;
esac
probe="$(realpath "$build/bench/libstartup_paint_probe.so")"
# Both copied into a folder of their own with a home beside them, so that no
# run touches the user's files; the program reads a colour from its Inf.ini
# (a portable copy) and a full history, as at any start.
home="$(mktemp -d)"
mkdir -p "$home/bin" "$home/.local/state/org.parabel.Parabel"
cp "$build/bench/startup_floor" "$build/src/ui/parabel" "$home/bin/"
floor="$home/bin/startup_floor"
program="$home/bin/parabel"
printf '[1]\r\nColor=clBlue\r\n' >"$home/bin/Inf.ini"
for i in $(seq 50); do echo "x^2-${i}x+6"; done >"$home/.local/state/org.parabel.Parabel/history"
xvfb=""
stop() {
    [ -z "$xvfb" ] || kill "$xvfb"
    rm -rf "$home"
}
trap stop EXIT
mkdir -m 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
    XDG_RUNTIME_DIR="$home/runtime"
if ! $quick && command -v Xvfb >/dev/null; then
    display=":$((200 + RANDOM % 50))"
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY="$display" QT_QPA_PLATFORM=xcb
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.1
    done
    echo "platform: xcb on Xvfb $display"
else
    export QT_QPA_PLATFORM=offscreen
    echo "platform: offscreen"
fi
echo "uptime: $(uptime)"
"$build/bench/startup_timer" "$probe" "$floor" "$program" "$runs"
