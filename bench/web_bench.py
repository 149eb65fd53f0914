#!/usr/bin/python3
"""The page's speed and size beside its floor, after `scripts/web --build` and
a ci build of parabel-cli:
    /usr/bin/python3 bench/web_bench.py [--quick] [ROUNDS]
The floor is bench/web_floor.html, served beside the site (never part of
it): the same parabel.wasm by the same loader, one solve as soon as it can,
and the panel's picture painted on a 322x338 canvas. Printed, each with its
target:
- navigation to the first Enter's solution painted (the list and the plot),
  against navigation to the floor's painted canvas, median of ROUNDS fresh
  browsers alternating between the two, for a first visit (a fresh profile)
  and for a returning visitor (the same profile's second visit: the service
  worker and the caches warm). The Enter is pressed as soon as the field
  takes typing, before the native module has started, and the page keeps it
  until it can solve; the list and the plot timed must be parabel-cli's for
  that equation, and so must the floor's picture;
- solve and draw in the page (Enter in the field until the list, the plot
  and its description are shown), median over a table of equations, each
  from a cleared window and checked against parabel-cli's lines and picture;
- the five main files' sizes after gzip -9.
A check that fails stops the benchmark with status 1; a missed target is
reported, and gives status 1 only without --quick, the smoke run the page's
test part makes (one round: it proves the benchmark works and measures what
it says, not how fast the machine is)."""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
from browser import Cli, Page, Site, bmp_rgb  # noqa: E402

SITE = os.environ.get("PARABEL_SITE") or os.path.join(HERE, "..", "build-web", "site")
# The native module's loader, which the site has bundled into app.js.
LOADER = os.environ.get("PARABEL_LOADER") or os.path.join(SITE, "..", "web", "parabel.js")
CLI = os.environ.get("PARABEL_CLI") or os.path.join(HERE, "..", "build", "src", "cli", "parabel-cli")
# The page in Russian, as its users have it: numbers with a decimal comma.
LANGUAGE, SEPARATOR = "ru", ","
FIRST_EQUATION = "x^2-5x+6"  # the floor's, and the first Enter's
EQUATIONS = [FIRST_EQUATION, "0,5x^2+x-12", "-2x^2+0,3x+17,25", "x^2+1", "x^2-400", "1e-3x^2-1e3",
             "3x^2+7x", "x^2+2x+1"]
MAIN_FILES = ["parabel.wasm", "app.js", "index.html", "style.css", "sw.js"]
KIB = 1024

# Put into every document before its own scripts: types the equation and
# presses Enter as soon as the page's field takes typing, and marks
# 'bench-painted' after the frame that first shows a picture put on a canvas
# together with a solution list (the floor has no list: its first picture).
PROBE = """
(() => {
  const equation = %r;
  let typed = false;
  let painted = false;
  const typeOnce = () => {
    const field = document.getElementById('equation');
    if (typed || !field || field.disabled) {
      return typed;
    }
    typed = true;
    performance.mark('bench-enter');
    field.value = equation;
    field.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', code: 'Enter', bubbles: true}));
    return true;
  };
  const watch = () => {
    if (!typeOnce() && document.readyState !== 'complete') {
      requestAnimationFrame(watch);
    }
  };
  new MutationObserver((changes, observer) => typeOnce() && observer.disconnect())
    .observe(document, {subtree: true, attributes: true, attributeFilter: ['disabled']});
  requestAnimationFrame(watch);
  const afterPaint = (then) => requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = then;
    channel.port2.postMessage(null);
  });
  const shown = () => !document.getElementById('equation') || !!document.querySelector('#solution li');
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    put.apply(this, args);
    afterPaint(() => {
      if (!painted && shown()) {
        painted = true;
        performance.mark('bench-painted');
      }
    });
  };
})();
""" % FIRST_EQUATION


def gzipped_sizes():
    sizes = {}
    for name in MAIN_FILES:
        with open(os.path.join(SITE, name), "rb") as file:
            sizes[name] = len(gzip.compress(file.read(), 9))
    return sizes


def expected_results(cli):
    """What each solve must leave: the list's lines and the picture."""
    results = {}
    for equation in EQUATIONS:
        lines, message, _ = cli.solution(SEPARATOR, equation)
        if message:
            sys.exit("parabel-cli refuses %s: %s" % (equation, message))
        results[equation] = (lines, bmp_rgb(cli.picture(SEPARATOR, equation)))
    return results


def floor_folder():
    """A folder with the floor page, the loader and the native module."""
    folder = tempfile.mkdtemp(prefix="parabel-floor-")
    shutil.copy(os.path.join(HERE, "web_floor.html"), os.path.join(folder, "index.html"))
    shutil.copy(LOADER, os.path.join(folder, "parabel.js"))
    shutil.copy(os.path.join(SITE, "parabel.wasm"), folder)
    return folder


def open_probed(url):
    """A fresh browser with the probe in every document, at `url`."""
    page = Page("about:blank", LANGUAGE, wait=False)
    page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
    visit(page, url)
    return page


def visit(page, url):
    page.driver.get("about:blank")
    page.driver.get(url)
    page.until(lambda: page.js("return performance.getEntriesByName('bench-painted').length === 1"))


def painted_at(page):
    return page.js("return performance.getEntriesByName('bench-painted')[0].startTime")


def check_painted(page, what, expected):
    """The page timed shows the first equation's list (the floor: none) and
    picture (the floor's curve in black: it reads no settings)."""
    lines, picture = expected[what]
    if what == "Parabel":
        box = page.box()
        if box:
            sys.exit("the first Enter showed the box %s" % box)
        if page.lines() != lines:
            sys.exit("the first Enter left the lines %s, not %s" % (page.lines(), lines))
    if page.canvas_rgb() != picture:
        sys.exit("%s painted a picture other than parabel-cli's for %s" % (what, FIRST_EQUATION))


def first_expected(cli, expected):
    """What the first Enter leaves on the page, and the floor's picture."""
    floor_picture = bmp_rgb(cli.picture(SEPARATOR, FIRST_EQUATION, "--color", "black"))
    return {"Parabel": expected[FIRST_EQUATION], "floor": (None, floor_picture)}


def first_painted(url, what, expected, returning):
    """Navigation to the first solution painted, in a fresh profile, on its
    first visit or on its second (after the service worker has taken the
    page, where there is one). Returns the time and the page, still open."""
    page = open_probed(url)
    try:
        if returning:
            if what == "Parabel":
                page.until(lambda: page.js("return !!navigator.serviceWorker.controller"), seconds=20)
            visit(page, url)
        check_painted(page, what, expected)
        return painted_at(page), page
    except BaseException:
        page.close()
        raise


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


def solve_table(page, expected, passes):
    times = []
    for _ in range(passes):
        for equation in EQUATIONS:
            took = timed_solve(page, equation)
            if took is None:
                sys.exit("Ctrl+A did not clear the window before %s" % equation)
            check_solved(page, equation, expected[equation])
            times.append(took)
    return times


def main():
    arguments = sys.argv[1:]
    quick = "--quick" in arguments
    arguments = [argument for argument in arguments if argument != "--quick"]
    rounds = int(arguments[0]) if arguments else (1 if quick else 7)
    sizes = gzipped_sizes()
    cli = Cli(CLI)
    expected = expected_results(cli)
    first = first_expected(cli, expected)
    floor_files = floor_folder()
    site = Site(SITE)
    floor = Site(floor_files)
    for server in (site.server, floor.server):
        # A browser closed while its service worker still copies the site
        # breaks that connection: no fault of the page's.
        server.handle_error = lambda request, address: None
    times = {(visit_kind, what): [] for visit_kind in ("fresh", "returning") for what in ("floor", "Parabel")}
    solves = []
    try:
        for _ in range(rounds):
            for visit_kind in ("fresh", "returning"):
                for what, url in (("floor", floor.url), ("Parabel", site.url)):
                    took, page = first_painted(url, what, first, visit_kind == "returning")
                    try:
                        times[(visit_kind, what)].append(took)
                        if what == "Parabel" and visit_kind == "returning":
                            solves += solve_table(page, expected, 1 if quick else 3)
                    finally:
                        page.close()
    finally:
        site.stop()
        floor.stop()
        shutil.rmtree(floor_files, ignore_errors=True)
    missed = 0
    print("%-44s %9s %9s %7s %s" % ("navigation to the first solution painted", "floor", "Parabel", "ratio",
                                     "target"))
    for visit_kind, label in (("fresh", "first visit (fresh profile), median"),
                              ("returning", "returning visitor (worker, caches), median")):
        low = statistics.median(times[(visit_kind, "floor")])
        own = statistics.median(times[(visit_kind, "Parabel")])
        ok = own <= 1.3 * low
        missed += not ok
        print("  %-42s %6.1f ms %6.1f ms %6.2fx <= 1.30x %s" % (label, low, own, own / low, "ok" if ok else "MISSED"))
    solve = statistics.median(solves)
    ok = solve <= 0.75
    missed += not ok
    print("%-44s %9s %6.2f ms %7s <= 0.75 ms %s" % ("solve and draw in the page, median", "", solve, "",
                                                     "ok" if ok else "MISSED"))
    total = sum(sizes.values())
    ok = total <= 80 * KIB
    missed += not ok
    print("%-44s %9s %6.1f KiB %6s <= 80 KiB %s" % ("the five main files, gzip -9", "", total / KIB, "",
                                                     "ok" if ok else "MISSED"))
    print("  " + ", ".join("%s %.1f" % (name, size / KIB) for name, size in sizes.items()))
    print("%d rounds; %d solves checked against parabel-cli, slowest %.2f ms" % (rounds, len(solves), max(solves)))
    sys.exit(1 if missed and not quick else 0)


if __name__ == "__main__":
    main()
