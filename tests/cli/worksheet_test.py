"""Worksheets as scripts read them: parabel-cli worksheet --json for 10,000
seeds over every kind, judged from each equation's worked solution alone
(its discriminant line and its answer line), never from the generator: every
equation solves, is of its kind, and none repeats within a variant. Then the
plain and --key outputs against the JSON, and the arguments refused.

Usage: worksheet_test.py PATH-TO-PARABEL-CLI
"""

import json
import os
import re
import subprocess
import sys
import unittest
from concurrent.futures import ProcessPoolExecutor
from fractions import Fraction

CLI = None
KINDS = ["whole", "fractions", "one", "none", "decimal", "incomplete"]
# "D=(b)^2-4*(a)*(c)=D"
DISCRIMINANT = re.compile(r"^D=\((.+)\)\^2-4\*\((.+)\)\*\((.+)\)=(.+)$")
TWO_ROOTS = re.compile(r"^Ответ: x\(1\)=(\S+) ; x\(2\)=(\S+)$")
ONE_ROOT = re.compile(r"^Ответ: (\S+)$")
WHOLE = re.compile(r"^-?\d+$")
NO_ROOT = "Ответ: Корней нет."
# The largest coefficient a teacher would set here, and the largest
# denominator of a simple fraction.
LARGEST = 100
DENOMINATOR = 5


def run(args):
    # The C locale: '.' is the decimal separator of equations and lines.
    env = dict(os.environ, LC_ALL="C")
    return subprocess.run([CLI, "worksheet"] + args, capture_output=True, env=env, timeout=300)


def simple_fraction(text):
    """The root text as a fraction of a denominator up to DENOMINATOR, or
    None when it is none (the solver writes 15 significant digits)."""
    value = Fraction(text)
    nearest = value.limit_denominator(DENOMINATOR)
    return nearest if abs(nearest - value) < Fraction(1, 10**12) else None


def decimal_places(text):
    return len(text.split(".")[1]) if "." in text else 0


def kind_problems(equation):
    """What is wrong with one equation object of the JSON, judged from its
    lines: an empty list when it is of its kind."""
    text, kind, lines = equation["equation"], equation["kind"], equation["lines"]
    if lines[0] != text + "=0" or len(lines) < 7:
        return ["not solved: " + " / ".join(lines)]
    match = DISCRIMINANT.match(lines[3])
    if not match:
        return ["no discriminant line: " + lines[3]]
    b, a, c = match.group(1, 2, 3)
    answer = lines[-1]
    problems = []
    if any(abs(float(value)) > LARGEST or decimal_places(value) > 2 for value in (a, b, c)):
        problems.append("coefficients a teacher would not set")
    decimal = any("." in value for value in (a, b, c))
    if decimal != (kind == "decimal") or ("." in text) != decimal:
        problems.append("decimal coefficients" if decimal else "no decimal coefficient")
    if (kind == "incomplete") != ((b == "0") != (c == "0")):
        problems.append("b and c not zero" if kind == "incomplete" else "b or c zero")
    two = TWO_ROOTS.match(answer)
    if kind in ("whole", "fractions", "decimal") and (not two or two[1] == two[2]):
        problems.append("not two roots")
    elif kind == "whole" and not all(WHOLE.match(root) for root in two.groups()):
        problems.append("a root not whole")
    elif kind == "fractions":
        fractions = [simple_fraction(root) for root in two.groups()]
        if abs(float(a)) == 1 or None in fractions or all(f.denominator == 1 for f in fractions):
            problems.append("roots not simple fractions with a not 1 or -1")
    if kind == "one" and (lines[4] != "D=0 - Один корень." or not ONE_ROOT.match(answer)):
        problems.append("not one root")
    if kind == "none" and answer != NO_ROOT:
        problems.append("roots")
    return problems


def sheets(args):
    result = run(args + ["--json"])
    if result.returncode != 0:
        raise AssertionError(f"worksheet {' '.join(args)}: status {result.returncode}: "
                             f"{result.stderr.decode()}")
    return [json.loads(line) for line in result.stdout.decode().splitlines()]


def sheet_problems(cli, args, seeds, variants, count, kinds):
    """The number of equations of one run and what is wrong with them (in
    a process of its own, so that two runs are judged at once)."""
    global CLI
    CLI = cli
    objects = sheets(args)
    problems = [] if len(objects) == seeds * variants else [f"{len(objects)} variants"]
    for sheet in objects:
        where = f"seed {sheet['seed']} variant {sheet['variant']}"
        texts = [equation["equation"] for equation in sheet["equations"]]
        if len(texts) != count or len(set(texts)) != count:
            problems.append(f"{where}: {len(texts)} equations, {len(set(texts))} different")
        for equation in sheet["equations"]:
            if equation["kind"] not in kinds:
                problems.append(f"{where}: {equation['kind']} is not asked for")
            problems += [f"{where}: {equation['kind']} {equation['equation']}: {problem}"
                         for problem in kind_problems(equation)]
    return len(objects) * count, problems[:20]


class TenThousandSeeds(unittest.TestCase):
    def test_every_equation_solves_is_of_its_kind_and_none_repeats(self):
        # Every kind mixed over 10,000 seeds, and each kind alone filling
        # whole variants of 40, where repeats are likeliest.
        runs = [(["--seed", f"{first}-{first + 2499}", "--count", "12"], 2500, 1, 12, KINDS)
                for first in range(0, 10000, 2500)]
        runs += [(["--seed", "0-249", "--variants", "4", "--count", "40", "--kinds", kind],
                  250, 4, 40, [kind]) for kind in KINDS]
        with ProcessPoolExecutor(max_workers=2) as pool:
            results = list(pool.map(sheet_problems, *zip(*[(CLI,) + run for run in runs])))
        self.assertEqual([problem for _, problems in results for problem in problems], [])
        self.assertEqual(sum(count for count, _ in results), 10000 * 12 + 6 * 250 * 4 * 40)


class Outputs(unittest.TestCase):
    def test_plain_and_key_show_the_jsons_equations_and_answer_lines(self):
        args = ["--seed", "2026", "--variants", "3", "--count", "9", "--kinds", "one,whole,none"]
        expected_plain, expected_key = [], []
        for sheet in sheets(args):
            heading = f"Квадратные уравнения. Вариант {sheet['variant']}. Лист № 2026"
            expected_plain.append(heading)
            expected_key.append(heading)
            for number, equation in enumerate(sheet["equations"], 1):
                line = f"{number}) {equation['equation']}=0"
                expected_plain.append(line)
                expected_key += [line, "   " + equation["lines"][-1]]
            expected_plain.append("")
            expected_key.append("")
        for extra, expected in (([], expected_plain), (["--key"], expected_key)):
            result = run(args + extra)
            self.assertEqual(result.returncode, 0)
            self.assertEqual(result.stdout.decode().split("\n"), expected + [""])

    def test_without_a_seed_a_new_one_is_drawn_and_shown(self):
        headings = [run(["--count", "1"]).stdout.decode().split("\n")[0] for _ in range(3)]
        seeds = {re.fullmatch(r"Квадратные уравнения\. Вариант 1\. Лист № (\d+)", heading)
                 .group(1) for heading in headings}
        self.assertGreater(len(seeds), 1)

    def test_bad_arguments_are_refused_with_status_2(self):
        for args, message in [
            (["--count", "0"], "--count 0: the count of equations is 1 to 40"),
            (["--count", "41"], "the count of equations is 1 to 40"),
            (["--count", "2x"], "the count of equations is 1 to 40"),
            (["--variants", "5"], "the number of variants is 1 to 4"),
            (["--seed", "-1"], "a seed is a whole number from 0 to 4294967295"),
            (["--seed", "4294967296"], "a seed is a whole number"),
            (["--seed", "9-3"], "a range of them FIRST-LAST"),
            (["--kinds", "whole,halves"], "unknown kind 'halves'"),
            (["--kinds", ""], "unknown kind ''"),
            (["--key", "--json"], "--key and --json exclude each other"),
            (["--seed"], "--seed needs a value"),
            (["--colour", "red"], "unknown option --colour"),
            (["x^2"], "unexpected operand x^2"),
        ]:
            with self.subTest(args=args):
                result = run(args)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, b"")
                self.assertIn(message, result.stderr.decode())
                self.assertTrue(result.stderr.startswith(b"parabel-cli: worksheet: "))


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
