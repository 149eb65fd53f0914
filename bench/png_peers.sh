#!/usr/bin/env bash
# parabel-cli's PNG pictures beside gnuplot's png terminal drawing the same
# parabola at the same size, in alternating rounds: median wall time of each,
# median peak memory (/usr/bin/time -v) and the size of the file, for a
# 322 x 338 picture and a 3840 x 2160 one. Then the targets parabel-cli holds:
#   3840 x 2160: at most half of gnuplot's time; peak memory at most 1.2 times
#                the 3840 x 2160 x 4 bytes of a raster surface; a file of at
#                most 32,562 bytes (what the first PNG writer made);
#   322 x 338:   at most 0.43 of gnuplot's time (what the first PNG writer took).
# At 322 x 338 most of parabel-cli's wall time is the flush to the disk that
# its safe save makes (gnuplot makes none), so that ratio follows the disk.
# Exits 1 when a target is missed. Without gnuplot it says so and exits 0;
# without /usr/bin/time it leaves out the memory (scripts/setup installs both).
#   bench/png_peers.sh [ROUNDS]   (default 15; PARABEL_CLI names the program,
#                                  build/tools/parabel-cli by default)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-15}"
cli="${PARABEL_CLI:-build/tools/parabel-cli}"
[ -x "$cli" ] || { echo "build $cli first (cmake --build build --target parabel-cli)"; exit 1; }

missing=()
command -v gnuplot >/dev/null || missing+=(gnuplot)
[ -x /usr/bin/time ] || missing+=(/usr/bin/time)
if ((${#missing[@]} > 0)); then
    echo "peers missing: ${missing[*]} (Debian: gnuplot-nox, time; scripts/setup installs them)"
fi
if ! command -v gnuplot >/dev/null; then
    echo "nothing compared"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# time_us and median.
source bench/timing.sh

# Peak resident memory of one run, in KiB; 0 without /usr/bin/time.
peak_kib() {
    [ -x /usr/bin/time ] || { echo 0; return; }
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}

failed=0
# check WHAT VALUE LIMIT: one target, met when VALUE <= LIMIT.
check() {
    if awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }'; then
        printf '  target met:    %s (%s <= %s)\n' "$1" "$2" "$3"
    else
        printf '  TARGET MISSED: %s (%s > %s)\n' "$1" "$2" "$3"
        failed=1
    fi
}

# measure W H: prints the medians of both sides and sets ratio (parabel-cli's
# time / gnuplot's), peak (parabel-cli's KiB) and size (its file's bytes).
measure() {
    local mine=("$cli" plot x^2-5x+6 -o "$work/p.png") peer
    [ "$1" = 322 ] || mine+=(--screen "$1x$2")
    peer=(gnuplot -e "set terminal png size $1,$2; set output '$work/g.png'; plot x**2-5*x+6")
    : >"$work/t.ours" >"$work/t.theirs" >"$work/m.ours" >"$work/m.theirs"
    for ((r = 0; r < rounds; r++)); do
        time_us "${mine[@]}" >>"$work/t.ours"
        time_us "${peer[@]}" >>"$work/t.theirs"
    done
    for ((r = 0; r < (rounds + 2) / 3; r++)); do
        peak_kib "${mine[@]}" >>"$work/m.ours"
        peak_kib "${peer[@]}" >>"$work/m.theirs"
    done
    local a b
    a=$(median <"$work/t.ours")
    b=$(median <"$work/t.theirs")
    peak=$(median <"$work/m.ours")
    size=$(stat -c %s "$work/p.png")
    # The median of each round's ratio: both sides of a round ran under the
    # same load.
    ratio=$(paste "$work/t.ours" "$work/t.theirs" | awk '{ print $1 / $2 }' | median)
    ratio=$(awk -v r="$ratio" 'BEGIN { printf "%.2f", r }')
    awk -v w="$1" -v h="$2" -v a="$a" -v b="$b" -v pa="$peak" -v pb="$(median <"$work/m.theirs")" \
        -v sa="$size" -v sb="$(stat -c %s "$work/g.png")" -v r="$ratio" 'BEGIN {
        printf "%4d x %-4d parabel-cli %8.2f ms %7d KiB %8d bytes   gnuplot %8.2f ms %7d KiB %8d bytes   time ratio %s\n",
            w, h, a / 1000, pa, sa, b / 1000, pb, sb, r }'
}

measure 322 338
check "322 x 338 time / gnuplot's" "$ratio" 0.43
measure 3840 2160
check "3840 x 2160 time / gnuplot's" "$ratio" 0.50
if [ "$peak" != 0 ]; then
    check "3840 x 2160 peak KiB" "$peak" $((3840 * 2160 * 4 * 12 / 10 / 1024))
fi
check "3840 x 2160 file bytes" "$size" 32562
exit "$failed"
