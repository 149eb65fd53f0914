#!/usr/bin/env bash
# parabel-cli's start-up beside its floor, a C++ hello world built and linked
# as parabel-cli is (bench/hello_world.cpp): `parabel-cli solve x^2-5x+6`
# and the hello world in turn, medians of wall time, CPU time and peak
# memory, and the ratios Parabel / floor. Each run must print its answer.
#   bench/cli_startup.sh [RUNS] [BUILD]   (default 40 runs in build/; build
#   first: cmake --preset ci && cmake --build --preset ci --target
#   parabel-cli hello_world process_timer)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-40}"
build="${2:-build}"
echo "start-up: floor (hello world) against Parabel (parabel-cli solve)"
"$build/bench/process_timer" "$runs" \
    "Hello, world!" "$build/bench/hello_world" -- \
    "x(1)=3 ; x(2)=2" "$build/src/cli/parabel-cli" solve "x^2-5x+6"
