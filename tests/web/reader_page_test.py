"""The page for every reader: the accessibility rules of WCAG 2.2 A and AA,
as axe-core checks them, in each state of the page at desktop and phone
sizes; the markup a screen reader relies on; the answer said after a solve;
the toolbar's focus mark."""
import os

from selenium.webdriver.common.keys import Keys

from page_test_case import PageTest

AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "node_modules",
                   "axe-core", "axe.min.js")
TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]

# Each state as the keys a user presses reach it, and what shows it came.
STATES = [
    ("start", [], "return true"),
    ("solved", [("solve", "x^2-5x+6")], "return document.querySelectorAll('#solution li').length > 0"),
    ("menu open", [("keys", Keys.F10), ("keys", Keys.ARROW_DOWN * 4), ("keys", Keys.ARROW_RIGHT)],
     "return !document.querySelector('.submenu').hidden"),
    ("error box", [("solve", "5+3")], "return document.getElementById('message-box').open"),
    ("about box", [("keys", Keys.F1)], "return document.getElementById('about-box').open"),
    ("save dialog", [("solve", "x^2-1"), ("keys", (Keys.CONTROL, "s"))], "return document.getElementById('save-box').open"),
    ("full screen", [("solve", "x^2-1"), ("keys", (Keys.CONTROL, "p"))],
     "return document.getElementById('fullscreen').dataset.state === 'open'"),
]

SIZES = [
    # name,     width, height, ratio, touch
    ("desktop", 900,   700,    1,     False),
    ("phone",   390,   844,    3,     True),
]


def contrast(first, second):
    """WCAG's contrast ratio of two "rgb(r, g, b)" colours."""
    def luminance(colour):
        parts = [int(p) / 255 for p in colour[colour.index("(") + 1:colour.index(")")].split(",")[:3]]
        linear = [p / 12.92 if p <= 0.03928 else ((p + 0.055) / 1.055) ** 2.4 for p in parts]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted([luminance(first), luminance(second)], reverse=True)
    return (light + 0.05) / (dark + 0.05)


class ReaderTest(PageTest):
    def reach(self, steps):
        for how, what in steps:
            if how == "solve":
                self.page.solve(what)
            else:
                self.page.keys(what)

    def test_no_serious_violation_in_any_state(self):
        if not os.path.exists(AXE):
            self.fail("axe-core is missing (%s): run `npm ci` in web/ first" % AXE)
        with open(AXE) as file:
            axe = file.read()
        self.page.driver.set_script_timeout(60)
        for size, width, height, ratio, touch in SIZES:
            self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch})
            self.page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                             {"enabled": touch, "maxTouchPoints": 5})
            for state, steps, reached in STATES:
                with self.subTest(size=size, state=state):
                    self.page.open()
                    self.reach(steps)
                    self.page.until(lambda: self.page.js(reached))
                    self.page.js(axe)
                    found = self.page.driver.execute_async_script("""
                        const done = arguments[1];
                        axe.run(document, {runOnly: {type: 'tag', values: arguments[0]},
                                           resultTypes: ['violations']})
                            .then((result) => done(result.violations
                                .filter((v) => v.impact === 'serious' || v.impact === 'critical')
                                .map((v) => [v.id, v.impact, v.nodes.map((n) => n.target.join(' '))])),
                                  (error) => done([['axe failed', String(error), []]]));""", TAGS)
                    self.assertEqual(found, [])

    def test_what_a_screen_reader_finds(self):
        page = self.page
        self.assertEqual(page.js("return document.querySelectorAll('main').length"), 1)
        self.assertEqual(page.js("return document.querySelectorAll('h1').length"), 1)
        self.assertEqual(page.js("return document.getElementById('announcement').getAttribute('aria-live')"),
                         "polite")
        for equation in ["x^2-5x+6", "x^2+1", "x^2+2x+1", "x^2-5x+6"]:
            with self.subTest(equation=equation):
                lines, _, _ = self.cli.solution(",", equation)
                answer = [line for line in lines if line and set(line) != {"_"}][-1]
                page.solve(equation)
                # Emptied, then the answer, so that each solve is said.
                page.until(lambda: page.js("return document.getElementById('announcement').textContent") == answer)
                list_shape = page.js("""
                    const list = document.getElementById('solution');
                    return [[...list.children].every((child) => child.tagName === 'LI' && !child.hasAttribute('role')),
                            [...list.children].filter((li) => li.getAttribute('aria-hidden') === 'true')
                                .map((li) => li.textContent)];""")
                self.assertEqual(list_shape, [True, [line for line in lines if line and set(line) == {"_"}]])

    def test_toolbar_focus_mark(self):
        """The focused tool's mark stands out from the band at 3:1 at least;
        without the focus there is none."""
        page = self.page
        page.element("equation").click()
        for keys, focused in [((Keys.SHIFT, Keys.TAB), True), (Keys.TAB, False)]:
            with self.subTest(focused=focused):
                page.keys(keys)
                mark, face = page.js("""
                    const tool = document.querySelector('.tool');
                    const style = getComputedStyle(tool);
                    return [style.borderTopColor, getComputedStyle(document.body).backgroundColor];""")
                self.assertEqual(page.js("return document.activeElement.classList.contains('tool')"), focused)
                if focused:
                    self.assertGreaterEqual(contrast(mark, face), 3, mark)
                else:
                    self.assertIn("0)", mark.replace(" ", ""))  # transparent
