#!/usr/bin/env python3
"""The software 80-bit arithmetic beside the x87 on this machine, in one run.

    bench/extended_side_by_side.py [--rounds N] [--equations N]
    bench/extended_side_by_side.py --floor PLOT_BENCH --parabel PLOT_BENCH [--rounds N]

Builds both (build/: the x87, the ci preset; build-software-bench/: the
software arithmetic, the software preset with the benchmarks), then:
- each operation of extended_bench, software and x87 in the same program;
- in paired rounds, the two builds in turns (which goes first alternates
  round by round): plot_bench's solve and draw (BM_SolveAndDraw, CPU time)
  and `parabel-cli solve` over a generated equation set (the generator of
  tests/cli/same_outputs.py, CPU time of the process);
and prints the floor (x87), Parabel (software) and their ratio, the median
of the rounds' ratios. The target for solve and draw is at most 1.2.

With --floor and --parabel it builds nothing and times only solve and draw
of the two plot_bench programs given (the smoke check runs one program as
both, for a round). It exits non-zero when a benchmark reports an error, as
BM_SolveAndDraw does when an equation did not solve or draw."""

import argparse
import csv
import io
import os
import random
import resource
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "cli"))
from same_outputs import equation  # noqa: E402

BUILDS = {"x87": "build", "software": "build-software-bench"}
TARGET_RATIO = 1.2


def build():
    run = lambda *args: subprocess.run(args, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    run("cmake", "--preset", "ci")
    run("cmake", "--preset", "software", "-B", BUILDS["software"], "-DPARABEL_BENCHMARKS=ON",
        "-DBUILD_TESTING=OFF", "-DPARABEL_DESKTOP=OFF")
    for folder in BUILDS.values():
        run("nice", "cmake", "--build", folder, "-j2", "--target", "plot_bench", "extended_bench",
            "parabel-cli")


def benchmark_rows(program, pattern, min_time=None):
    command = [program, f"--benchmark_filter={pattern}", "--benchmark_format=csv"]
    if min_time is not None:
        command.append(f"--benchmark_min_time={min_time}")
    output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    rows = csv.DictReader(io.StringIO(output[output.index("name,"):]))
    for row in rows:
        if row["error_occurred"] == "true":
            sys.exit(f"{program}: {row['name']}: {row['error_message']}")
        yield row["name"], float(row["cpu_time"])


def solve_and_draw_seconds(program, min_time):
    [(_, seconds)] = benchmark_rows(program, "^BM_SolveAndDraw$", min_time)
    return seconds


def cli_seconds(folder, equations):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    result = subprocess.run([os.path.join(ROOT, folder, "src/cli/parabel-cli"), "solve"],
                            input=equations, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            env={"LC_ALL": "C"})
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if result.returncode not in (0, 1):  # 1: some equations have no solution
        sys.exit(f"{folder}: parabel-cli solve exited {result.returncode}")
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def paired_rounds(rounds, measure):
    """measure(kind) for both kinds, in turns whose order alternates; the
    medians of each kind and of the rounds' ratios software / x87."""
    times = {"x87": [], "software": []}
    ratios = []
    for number in range(rounds):
        order = ("x87", "software") if number % 2 == 0 else ("software", "x87")
        seconds = {kind: measure(kind) for kind in order}
        for kind in order:
            times[kind].append(seconds[kind])
        ratios.append(seconds["software"] / seconds["x87"])
    return (statistics.median(times["x87"]), statistics.median(times["software"]),
            statistics.median(ratios))


def print_paired(title, unit, scale, figures, rounds):
    floor, parabel, ratio = figures
    print(f"{title}, median of {rounds} paired rounds:")
    print(f"  floor (x87)          {floor * scale:10.1f} {unit}")
    print(f"  Parabel (software)   {parabel * scale:10.1f} {unit}")
    print(f"  ratio                {ratio:10.2f}")


def print_operations():
    times = dict(benchmark_rows(os.path.join(ROOT, "build/bench/extended_bench"), "."))
    print("per operation, software / x87 (extended_bench):")
    for name, soft in times.items():
        if name.endswith("<SoftExtended>"):
            operation = name[len("BM_"):-len("<SoftExtended>")]
            hardware = times[name.replace("SoftExtended", "HardwareExtended")]
            print(f"  {operation:16} {soft / hardware:5.2f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=9)
    parser.add_argument("--equations", type=int, default=20000)
    parser.add_argument("--floor", help="plot_bench of the x87 build (builds nothing)")
    parser.add_argument("--parabel", help="plot_bench of the software build")
    parser.add_argument("--min-time", help="--benchmark_min_time of each run")
    options = parser.parse_args()
    if (options.floor is None) != (options.parabel is None):
        parser.error("--floor and --parabel go together")
    given = options.floor is not None
    programs = ({"x87": options.floor, "software": options.parabel} if given else {
        kind: os.path.join(ROOT, folder, "bench/plot_bench") for kind, folder in BUILDS.items()})
    if not given:
        build()
        print_operations()

    draw = paired_rounds(options.rounds,
                         lambda kind: solve_and_draw_seconds(programs[kind], options.min_time))
    print_paired("solve + draw (plot_bench BM_SolveAndDraw, CPU time per pass)", "us", 1e-3, draw,
                 options.rounds)
    print(f"  target               {TARGET_RATIO:10.2f}")
    if given:
        return

    rng = random.Random(7)
    equations = ("\n".join(equation(rng, ".") for _ in range(options.equations)) + "\n").encode()
    cli = paired_rounds(options.rounds, lambda kind: cli_seconds(BUILDS[kind], equations))
    print_paired(f"parabel-cli solve over {options.equations} equations (CPU time)", "ms", 1e3,
                 cli, options.rounds)


if __name__ == "__main__":
    main()
