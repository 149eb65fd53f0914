#!/usr/bin/env python3
"""The software 80-bit arithmetic beside the x87 on this machine, in one run.

    bench/extended_side_by_side.py [--rounds N] [--equations N]

Builds both (build/: the x87, the ci preset; build-software-bench/: the
software arithmetic, the software preset with the benchmarks), then:
- each operation of extended_bench, software and x87 in the same program;
- in turns, build by build: plot_bench's solve and draw (BM_SolveAndDraw,
  CPU time) and `parabel-cli solve` over a generated equation set (the
  generator of tests/cli/same_outputs.py, CPU time of the process);
and prints the ratios software / x87, paired by round, as medians. The
target for solve and draw is at most 1.5."""

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


def build():
    run = lambda *args: subprocess.run(args, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    run("cmake", "--preset", "ci")
    run("cmake", "--preset", "software", "-B", BUILDS["software"], "-DPARABEL_BENCHMARKS=ON",
        "-DBUILD_TESTING=OFF", "-DPARABEL_DESKTOP=OFF")
    for folder in BUILDS.values():
        run("nice", "cmake", "--build", folder, "-j2", "--target", "plot_bench", "extended_bench",
            "parabel-cli")


def benchmark_rows(program, pattern):
    output = subprocess.run([program, f"--benchmark_filter={pattern}", "--benchmark_format=csv"],
                            check=True, capture_output=True, text=True).stdout
    rows = csv.DictReader(io.StringIO(output[output.index("name,"):]))
    for row in rows:
        if row["error_occurred"] == "true":
            sys.exit(f"{program}: {row['name']}: {row['error_message']}")
        yield row["name"], float(row["cpu_time"])


def cli_seconds(folder, equations):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    result = subprocess.run([os.path.join(ROOT, folder, "src/cli/parabel-cli"), "solve"],
                            input=equations, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            env={"LC_ALL": "C"})
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if result.returncode not in (0, 1):  # 1: some equations have no solution
        sys.exit(f"{folder}: parabel-cli solve exited {result.returncode}")
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=9)
    parser.add_argument("--equations", type=int, default=20000)
    options = parser.parse_args()
    build()

    times = dict(benchmark_rows(os.path.join(ROOT, "build/bench/extended_bench"), "."))
    print("per operation, software / x87 (extended_bench):")
    for name, soft in times.items():
        if name.endswith("<SoftExtended>"):
            operation = name[len("BM_"):-len("<SoftExtended>")]
            hardware = times[name.replace("SoftExtended", "HardwareExtended")]
            print(f"  {operation:16} {soft / hardware:5.2f}")

    rng = random.Random(7)
    equations = ("\n".join(equation(rng, ".") for _ in range(options.equations)) + "\n").encode()
    draw, cli = [], []
    for _ in range(options.rounds):
        seconds = {}
        for kind, folder in BUILDS.items():
            program = os.path.join(ROOT, folder, "bench/plot_bench")
            [(_, solve_and_draw)] = benchmark_rows(program, "^BM_SolveAndDraw$")
            seconds[kind] = (solve_and_draw, cli_seconds(folder, equations))
        draw.append(seconds["software"][0] / seconds["x87"][0])
        cli.append(seconds["software"][1] / seconds["x87"][1])
    print(f"solve + draw (plot_bench BM_SolveAndDraw), software / x87: "
          f"{statistics.median(draw):.2f} (median of {options.rounds} paired rounds)")
    print(f"parabel-cli solve over {options.equations} equations, software / x87: "
          f"{statistics.median(cli):.2f} (median of {options.rounds} paired rounds)")


if __name__ == "__main__":
    main()
