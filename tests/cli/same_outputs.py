#!/usr/bin/env python3
"""Runs two builds of parabel-cli on the same large, generated set of inputs
and fails at the first output that differs by one byte.

    same_outputs.py CLI_A CLI_B [--equations N] [--pictures N] [--seed S]

CLI_A and CLI_B are commands, split as a shell would ("qemu-aarch64 -L
/usr/aarch64-linux-gnu build-arm64/src/cli/parabel-cli").

The inputs: equations whose coefficients range from 1e-4930 to 1e4930, with
'.' and ',' as the decimal separator (the C locale and a comma locale made
with localedef), and every kind of failure (form, conversion, text the field
cannot hold, faults of the arithmetic and of the drawing). Both builds run:
solve, solve --values, --saved and --json over all equations at once, in
Russian and with --language en;
number --bits over the coefficient texts; plot --trace and plot as BMP over a
share of the equations, one run each, and full-screen pictures as BMP, PNG
and SVG over a smaller share; worksheet --json over a range of seeds and
--key for each sheet of the shared table tests/app/worksheet_seeds.tsv.
Compared: standard output, standard error and the exit status."""

import argparse
import os
import random
import shlex
import shutil
import subprocess
import sys
import tempfile


def coefficient(rng, separator):
    kind = rng.randrange(10)
    if kind == 0:
        return ""  # a lone x or x^2: the coefficient 1
    if kind == 1:
        return str(rng.randrange(0, 10))
    if kind == 2:
        return str(rng.randrange(1, 10**rng.randrange(1, 25)))
    digits = str(rng.randrange(1, 10**rng.randrange(1, 22)))
    point = rng.randrange(0, len(digits) + 1)
    text = digits[:point] + separator + digits[point:]
    if kind <= 5:
        return text
    exponent = rng.choice(
        [rng.randrange(-40, 40), rng.randrange(-4950, 4950), rng.randrange(4900, 4935),
         -rng.randrange(4900, 4960), rng.randrange(2400, 2480)])
    return f"{text}{rng.choice('eE')}{exponent}"


def signed(rng, text):
    return rng.choice(["", "-", "+"]) + text if text else rng.choice(["", "-"])


def equation(rng, separator):
    a, b, c = (coefficient(rng, separator) for _ in range(3))
    if a in ("0",) and rng.random() < 0.5:
        a = "1"
    text = signed(rng, a) + "x^2"
    if rng.random() < 0.85:
        text += rng.choice("+-") + b + "x"
    if rng.random() < 0.85:
        text += rng.choice("+-") + (c or "1")
    if rng.random() < 0.3:
        text += "=0"
    return text


# Texts that fail in every way the program knows, and a few that fault while
# drawing or solving.
FIXED = [
    "x^2-5x+6", "x^2+x-1", "x^2+1", "2x^2+4x+2", "-x^2+400", "5+3", "", "x^2", "X^2-4",
    "x^2-0,25", "x^2-0.25", "1e5000x^2", "x^2+1e4933", "1e2467x^2+1e2467x", "4e14x^2",
    "1e300x^2-1e-300", "x^2+x+1e-4940", "0x^2+x+1", "x^2-2x+1", "x²-5x+6", "x^2−5x+6",
    "x^2-5x+6=0=0", "x^2--5x", "1,5x^2+2,5x-3,5", "1.5x^2+2.5x-3.5", ".x^2+.x+.",
    "-.x^2", "1e-4950x^2+1", "9223372036854775807x^2-1", "x^2-9.22337203685478e18",
    "3x^2-7x+2", "x^2+1e-20x", "1e20x^2-1e20", "x^2-1e4932", "x^2+2x", "\tx^2",
    "x^2 -5x+6", "x^2-5x+6 ", "ﬁx^2", "х^2-4",
]


def table_sheets():
    """The worksheet arguments of each row of the shared table of seeds, and
    the row's decimal separator."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app",
                        "worksheet_seeds.tsv")
    sheets = set()
    with open(path, encoding="utf-8") as table:
        for line in table:
            if line.strip() and not line.startswith("#"):
                seed, count, variants, kinds, separator = line.split("\t")[:5]
                args = ["worksheet", "--seed", seed, "--count", count, "--variants", variants]
                sheets.add((tuple(args + (["--kinds", kinds] if kinds != "all" else [])),
                            separator))
    return sorted(sheets)


def comma_locale(folder):
    path = os.path.join(folder, "ru_RU.UTF-8")
    subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8", path],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not os.path.exists(os.path.join(path, "LC_NUMERIC")):
        sys.exit("no ru_RU locale sources (Debian package locales): run scripts/setup")
    return {"LOCPATH": folder, "LC_ALL": "ru_RU.UTF-8"}


def run(cli, args, stdin, env):
    result = subprocess.run(shlex.split(cli) + args, input=stdin, capture_output=True, env=env)
    return result.returncode, result.stdout, result.stderr


class Comparison:
    def __init__(self, cli_a, cli_b):
        self.clis = (cli_a, cli_b)
        self.runs = 0

    def same(self, args, stdin=b"", env=None):
        # Russian unless a run asks for English, whatever the user's
        # interface languages are.
        env = {**{k: v for k, v in os.environ.items() if k != "LANGUAGE"}, **(env or {})}
        a, b = (run(cli, args, stdin, env) for cli in self.clis)
        self.runs += 1
        if a != b:
            what = ["status", "standard output", "standard error"]
            differs = [what[i] for i in range(3) if a[i] != b[i]]
            sys.exit(f"differ in {', '.join(differs)}: parabel-cli {' '.join(args)} "
                     f"(LC_ALL={env.get('LC_ALL', '')}, {len(stdin)} bytes of input)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli_a")
    parser.add_argument("cli_b")
    parser.add_argument("--equations", type=int, default=20000)
    parser.add_argument("--pictures", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--sheets", type=int, default=300)
    options = parser.parse_args()
    rng = random.Random(options.seed)
    folder = tempfile.mkdtemp(prefix="parabel-same-")
    try:
        locales = {".": {"LC_ALL": "C"}, ",": comma_locale(folder)}
        comparison = Comparison(options.cli_a, options.cli_b)
        for separator, env in locales.items():
            equations = FIXED + [equation(rng, separator) for _ in range(options.equations)]
            stdin = "\n".join(equations).encode() + b"\n"
            for mode in ([], ["--values"], ["--saved"], ["--json"]):
                comparison.same(["solve"] + mode, stdin, env)
                comparison.same(["--language", "en", "solve"] + mode, stdin, env)
            texts = [coefficient(rng, separator) for _ in range(options.equations)]
            comparison.same(["number", "--bits"], "\n".join(texts).encode() + b"\n", env)
            for text in FIXED + rng.sample(equations, options.pictures):
                comparison.same(["plot", text, "--trace"], env=env)
                comparison.same(["plot", text, "-o", "-"], env=env)
            for text in rng.sample(equations, options.pictures // 10):
                width, height = rng.randrange(50, 900), rng.randrange(60, 700)
                for picture in ("bmp", "png", "svg"):
                    comparison.same(["plot", text, "-o", "-", "--format", picture, "--screen",
                                     f"{width}x{height}"], env=env)
            comparison.same(["worksheet", "--seed", f"0-{options.sheets - 1}", "--variants", "4",
                             "--count", "40", "--json"], env=env)
            for args, table_separator in table_sheets():
                if table_separator == separator:
                    comparison.same(list(args) + ["--key"], env=env)
        print(f"same outputs: {comparison.runs} runs of each build, "
              f"{2 * (len(FIXED) + options.equations)} equations")
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
