"""The page for every reader: axe-core's WCAG 2.2 A and AA rules in each
state of the page at desktop and phone sizes, the markup a screen reader
relies on, the answer said after a solve, the toolbar's focus mark."""
import os

from selenium.webdriver.common.keys import Keys

from page_test_case import PageTest

AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "node_modules",
                   "axe-core", "axe.min.js")


class Solve(str):
    """An equation typed and entered."""


# Each state as a user reaches it: equations solved, keys pressed; and what
# shows it has come.
STATES = [
    ("start", [], "true"),
    ("solved", [Solve("x^2-5x+6")], "document.querySelector('#solution li')"),
    ("menu open", [Keys.F10, Keys.ARROW_DOWN * 4, Keys.ARROW_RIGHT], "!document.querySelector('.submenu').hidden"),
    ("error box", [Solve("5+3")], "document.getElementById('message-box').open"),
    ("about box", [Keys.F1], "document.getElementById('about-box').open"),
    ("save dialog", [Solve("x^2-1"), (Keys.CONTROL, "s")], "document.getElementById('save-box').open"),
    ("full screen", [Solve("x^2-1"), (Keys.CONTROL, "p")], "document.getElementById('fullscreen').dataset.state === 'open'"),
    ("history list", [Solve("x^2-1"), (Keys.ALT, Keys.ARROW_DOWN)], "!document.getElementById('history-list').hidden"),
]


def luminance(colour):
    """WCAG's relative luminance of an "rgb(r, g, b)" colour."""
    parts = [int(p) / 255 for p in colour[colour.index("(") + 1:colour.index(")")].split(",")[:3]]
    r, g, b = [p / 12.92 if p <= 0.03928 else ((p + 0.055) / 1.055) ** 2.4 for p in parts]
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


class ReaderTest(PageTest):
    def test_no_serious_violation_in_any_state(self):
        if not os.path.exists(AXE):
            self.fail("axe-core is missing (%s): run `npm ci` in web/ first" % AXE)
        with open(AXE) as file:
            axe = file.read()
        self.page.driver.set_script_timeout(60)
        for size, width, height, ratio, touch in [("desktop", 900, 700, 1, False), ("phone", 390, 844, 3, True)]:
            self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch})
            self.page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                             {"enabled": touch, "maxTouchPoints": 5})
            for state, steps, reached in STATES:
                with self.subTest(size=size, state=state):
                    self.page.open()
                    for step in steps:
                        if isinstance(step, Solve):
                            self.page.solve(step)
                        else:
                            self.page.keys(step)
                    self.page.until(lambda: self.page.js("return !!(%s)" % reached))
                    self.page.js(axe)
                    found = self.page.driver.execute_async_script("""
                        const done = arguments[0];
                        axe.run(document, {runOnly: {type: 'tag',
                                                     values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']},
                                           resultTypes: ['violations']})
                            .then((result) => done(result.violations
                                .filter((v) => v.impact === 'serious' || v.impact === 'critical')
                                .map((v) => [v.id, v.nodes.map((n) => n.target.join(' '))])),
                                  (error) => done([['axe failed', String(error)]]));""")
                    self.assertEqual(found, [])

    def test_what_a_screen_reader_finds(self):
        """One main landmark and one heading; after each solve the answer in
        the polite live region; the list holds only lines, its dividers
        hidden from screen readers."""
        page = self.page
        self.assertEqual(page.js("""return [document.querySelectorAll('main').length, document.querySelectorAll('h1').length,
                                            document.getElementById('announcement').getAttribute('aria-live')]"""),
                         [1, 1, "polite"])
        for equation in ["x^2-5x+6", "x^2+1", "x^2+2x+1", Solve("x^2-5x+6")]:
            with self.subTest(equation=equation):
                lines, _, _ = self.cli.solution(",", equation)
                page.solve(equation)
                answer = [line for line in lines if line and set(line) != {"_"}][-1]
                page.until(lambda: page.js("return document.getElementById('announcement').textContent") == answer)
                self.assertEqual(page.js("""return [...document.getElementById('solution').children].map((li) =>
                                                [li.tagName, li.getAttribute('role'), li.getAttribute('aria-hidden')])"""),
                                 [["LI", None, "true" if set(line) == {"_"} else None] for line in lines])

    def test_toolbar_focus_mark(self):
        """The focused tool's mark stands out from the face at 3:1 or more;
        without the focus there is none."""
        self.page.element("equation").click()
        for keys, focused in [((Keys.SHIFT, Keys.TAB), True), (Keys.TAB, False)]:
            with self.subTest(focused=focused):
                self.page.keys(keys)
                mark, face, active = self.page.js("""const tool = document.querySelector('.tool');
                    return [getComputedStyle(tool).borderTopColor, getComputedStyle(document.body).backgroundColor,
                            document.activeElement === tool];""")
                light, dark = sorted([luminance(mark), luminance(face)], reverse=True)
                self.assertEqual(active, focused)
                if focused:
                    self.assertGreaterEqual((light + 0.05) / (dark + 0.05), 3, mark)
                else:
                    self.assertTrue(mark.startswith("rgba") and mark.endswith(", 0)"), mark)
