#!/usr/bin/env bash
# parabel-cli beside the tools people pick for the same work, on the same
# work, in alternating rounds: one solve, 1,000 solves, a 322 x 338 picture
# and a 3840 x 2160 picture. Prints one line per comparison with the median
# wall-time ratio (peer / parabel-cli; above 1 means parabel-cli is faster).
# Without gnuplot or qalc it says which are missing and exits 0.
#   bench/peers.sh [ROUNDS]   (default 15; build/tools/parabel-cli must exist)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-15}"
cli=build/tools/parabel-cli
[ -x "$cli" ] || { echo "build $cli first (cmake --build build --target parabel-cli)"; exit 1; }

missing=()
command -v gnuplot >/dev/null || missing+=(gnuplot)
command -v qalc >/dev/null || missing+=(qalc)
if ((${#missing[@]} > 0)); then
    echo "peers missing: ${missing[*]} (Debian: gnuplot-nox, qalc); nothing compared"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((i = 0; i < 1000; i++)); do
    echo "x^2-$((i % 50 + 1))x+$((i % 7))"
done >"$work/solve.txt"
sed -e 's/.*/solve(&=0, x)/' "$work/solve.txt" >"$work/qalc.txt"

# time_us and median.
source bench/timing.sh

# compare NAME -- PARABEL COMMAND... -- PEER COMMAND...
compare() {
    local name="$1"
    shift 2
    local ours=() theirs=()
    while [ "$1" != -- ]; do ours+=("$1"); shift; done
    shift
    theirs=("$@")
    : >"$work/ours" >"$work/theirs"
    for ((r = 0; r < rounds; r++)); do
        time_us "${ours[@]}" >>"$work/ours"
        time_us "${theirs[@]}" >>"$work/theirs"
    done
    local a b
    a=$(median <"$work/ours")
    b=$(median <"$work/theirs")
    awk -v n="$name" -v a="$a" -v b="$b" -v p="${theirs[0]}" 'BEGIN {
        printf "%-26s parabel-cli %9.2f ms   %-12s %9.2f ms   ratio %6.2f\n", n, a / 1000, p, b / 1000, b / a }'
}

gnuplot_png() { gnuplot -e "set terminal png size $1,$2; set output '$work/g.png'; plot x**2-5*x+6"; }

compare "one solve" -- "$cli" solve x^2-5x+6 -- qalc "solve(x^2-5x+6=0, x)"
compare "1,000 solves" -- sh -c "'$cli' solve <'$work/solve.txt'" -- qalc -f "$work/qalc.txt"
compare "picture 322 x 338" -- "$cli" plot x^2-5x+6 -o "$work/p.bmp" -- gnuplot_png 322 338
compare "picture 3840 x 2160" -- "$cli" plot x^2-5x+6 --screen 3840x2160 -o "$work/p.bmp" -- gnuplot_png 3840 2160
