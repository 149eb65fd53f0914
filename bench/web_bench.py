#!/usr/bin/python3
"""The page's speed and size against its targets, after `scripts/web --build`
and a ci build of parabel-cli:
    /usr/bin/python3 bench/web_bench.py [ROUNDS]
- the site's size, gzip -9 of the native module, the page's JavaScript (the
  modules and the native module's loader, bundled), HTML and CSS: at most
  300 KB;
- navigation to a ready equation field (it takes typing, and an Enter
  solves as soon as the native module has started) in headless Chromium,
  first visit, median of ROUNDS fresh browsers: at most 300 ms; the whole
  page's start is printed beside it;
- solve and draw in the page (Enter in the field until the list, the plot
  and its description are shown), median over a table of equations: at
  most 5 ms. Each timed solve starts from a cleared window and must leave
  the lines and the picture parabel-cli gives for its equation, and no box:
  a solve that did not happen stops the benchmark.
Prints the figures and exits 1 when a target is missed."""
import gzip
import os
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
from browser import Cli, Page, Site, bmp_rgb  # noqa: E402

SITE = os.environ.get("PARABEL_SITE") or os.path.join(HERE, "..", "build-web", "site")
CLI = os.environ.get("PARABEL_CLI") or os.path.join(HERE, "..", "build", "src", "cli", "parabel-cli")
# The page in Russian, as its users have it: numbers with a decimal comma.
LANGUAGE, SEPARATOR = "ru", ","
EQUATIONS = ["x^2-5x+6", "0,5x^2+x-12", "-2x^2+0,3x+17,25", "x^2+1", "x^2-400", "1e-3x^2-1e3",
             "3x^2+7x", "x^2+2x+1"]


def site_size():
    names = ["parabel.wasm", "app.js", "index.html", "style.css", "sw.js"]
    total = 0
    for name in names:
        with open(os.path.join(SITE, name), "rb") as file:
            total += len(gzip.compress(file.read(), 9))
    return total


def expected_results(cli):
    """What each timed solve must leave: the list's lines and the picture."""
    results = {}
    for equation in EQUATIONS:
        lines, message, _ = cli.solution(SEPARATOR, equation)
        if message:
            sys.exit("parabel-cli refuses %s: %s" % (equation, message))
        results[equation] = (lines, bmp_rgb(cli.picture(SEPARATOR, equation)))
    return results


def timed_solve(page, equation):
    """Clears the window (not timed), then times Enter in the field."""
    return page.js("""
        const field = document.getElementById('equation');
        const key = (name, code, ctrlKey) =>
            field.dispatchEvent(new KeyboardEvent('keydown', {key: name, code, ctrlKey, bubbles: true}));
        key('a', 'KeyA', true);
        if (document.querySelectorAll('#solution li').length !== 0) {
            return null;
        }
        field.value = arguments[0];
        const start = performance.now();
        key('Enter', 'Enter', false);
        return performance.now() - start;""", equation)


def check_solved(page, equation, expected):
    lines, picture = expected
    box = page.box()
    if box:
        sys.exit("solving %s showed the box %s" % (equation, box))
    if page.lines() != lines:
        sys.exit("solving %s left the lines %s, not %s" % (equation, page.lines(), lines))
    if page.canvas_rgb() != picture:
        sys.exit("solving %s left a picture other than parabel-cli's" % equation)


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    size = site_size()
    expected = expected_results(Cli(CLI))
    site = Site(SITE)
    ready = []
    started = []
    solve = []
    try:
        for _ in range(rounds):
            page = Page(site.url, LANGUAGE)
            try:
                started.append(page.js(
                    "return performance.getEntriesByName('parabel-ready')[0].startTime"))
                ready.append(page.js(
                    "return performance.getEntriesByName('parabel-field-ready')[0].startTime"))
                for equation in EQUATIONS:
                    took = timed_solve(page, equation)
                    if took is None:
                        sys.exit("Ctrl+A did not clear the window before %s" % equation)
                    check_solved(page, equation, expected[equation])
                    solve.append(took)
            finally:
                page.close()
    finally:
        site.stop()
    figures = [
        ("site size, gzip", size / 1024, 300, "KB"),
        ("navigation to a ready field, median", statistics.median(ready), 300, "ms"),
        ("solve and draw, median", statistics.median(solve), 5, "ms"),
    ]
    missed = 0
    for name, value, target, unit in figures:
        ok = value <= target
        missed += not ok
        print("%-40s %8.2f %s (target %d %s) %s" % (name, value, unit, target, unit, "ok" if ok else "MISSED"))
    print("solve and draw, slowest: %.2f ms; field ready, slowest: %.1f ms; whole page started, "
          "median %.1f ms (%d solves checked against parabel-cli)"
          % (max(solve), max(ready), statistics.median(started), len(solve)))
    sys.exit(1 if missed else 0)


if __name__ == "__main__":
    main()
