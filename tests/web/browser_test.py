#!/usr/bin/python3
"""The page in Debian's headless Chromium, as a user uses it, against what
parabel-cli prints and writes for the desktop program: the worked solution,
the plot's pixels, the saved files, the read-outs, the colour kept, the page
without a network. Usage:
    /usr/bin/python3 tests/web/browser_test.py SITE_FOLDER PARABEL_CLI [NAME...]
with NAMEs, only the tests whose ids contain one of them. The tests of every
*_page_test.py beside this file run too.
"""
import base64
import io
import os
import re
import shutil
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from browser import Cli, Page, Site, bmp_rgb
from page_test_case import REFUSED, PageTest, places

# Typed as a user types them: roots on and off the panel, every case of the
# solution, and every kind of fault.
EQUATIONS = [
    "x^2-5x+6",
    "X²-4=0",
    "0.5x^2+x-12",
    "-x^2+2x+3",
    "x^2+2x+1",
    "x^2+1",
    "3x^2+7x",
    "x^2-400",
    "0.001x^2-1000",
    "-2x^2+0.3x+17.25",
    "5+3",          # no x^2 term
    "x^2+zx",       # a coefficient that is no number
    "x^2+1e4930x",  # overflow computing D
    "1e-4000x^2+1e1000x+1",  # overflow computing a root: the head lines only
    "1e4000x^2",    # solved, but the curve overflows on the panel
]

CTRL, ALT = Keys.CONTROL, Keys.ALT


class SolveTest(PageTest):
    """The list, the box and the plot's pixels for each equation, with the
    separator of the browser's language."""

    def check_equations(self, separator):
        for equation in EQUATIONS:
            with self.subTest(equation=equation):
                self.page.keys((CTRL, "a"))
                self.page.solve(equation)
                # The field holds the equation as typed, in the characters
                # the program takes (X² becomes x^2), as parabel-cli takes it.
                equation = self.page.element("equation").get_attribute("value")
                lines, message, _ = self.cli.solution(separator, equation)
                if message:
                    self.assertEqual(self.page.until(self.page.box), ["Error", message])
                    self.page.dismiss()
                else:
                    self.assertIsNone(self.page.box())
                self.assertEqual(self.page.lines(), lines)
                picture = self.cli.picture(separator, equation)
                if picture:
                    self.assertEqual(self.page.canvas_rgb(), bmp_rgb(picture))

    def test_comma_in_russian(self):
        self.assertEqual(self.page.js("return navigator.language"), "ru")
        self.check_equations(",")

    def test_field_keeps_what_the_windows_field_keeps(self):
        field = self.page.element("equation")
        for typed, kept in [("X²+2X-3", "x^2+2x-3"), ("Х^2✓ €", "х^2? €"), ("Ж²", "ж^2")]:
            with self.subTest(typed=typed):
                self.page.js("arguments[0].value = ''", field)
                field.send_keys(typed)
                self.assertEqual(field.get_attribute("value"), kept)


class EarlyTypingTest(PageTest):
    """The field takes typing before the native module has come (here it is
    held back 1.5 s), and an Enter pressed then solves once it has."""

    def setUp(self):
        self.site = Site(places.site, delays={"parabel.wasm": 1.5})
        self.page = Page(self.site.url, self.language, self.size, wait=False)
        self.cli = places.cli

    def test_typed_and_entered_before_the_module_came(self):
        page = self.page
        page.until(lambda: page.js("return !document.getElementById('equation').disabled"))
        field = page.element("equation")
        field.send_keys("X²-4")
        field.send_keys(Keys.ENTER)
        self.assertNotEqual(page.js("return document.documentElement.dataset.ready"), "true")
        page.wait_ready()
        page.until(lambda: page.lines())
        self.assertEqual(field.get_attribute("value"), "x^2-4=0")
        lines, message, _ = self.cli.solution(",", "x^2-4")
        self.assertFalse(message)
        self.assertEqual(page.lines(), lines)


class SolveInEnglishTest(SolveTest):
    """The browser's separator whatever language the page speaks: here an
    English browser, the page in Russian for this visit (?lang=ru)."""
    language = "en"

    def setUp(self):
        super().setUp()
        self.page.url = self.site.url + "?lang=ru"
        self.page.open()

    def test_comma_in_russian(self):
        pass  # this browser speaks English

    def test_point_in_english(self):
        self.check_equations(".")


class FilesTest(PageTest):
    """Downloads byte for byte as the desktop saves; an equation loaded from
    a file."""

    def test_saved_solution_and_pictures(self):
        self.page.keys((CTRL, "s"))
        self.save_dialog()  # before the first solve: an empty file
        self.assertEqual(self.page.downloaded("Решение.txt"), b"")
        for number, equation in enumerate(["x^2-5x+6", "-0.25x^2+3", "5+3"]):
            with self.subTest(equation=equation):
                self.page.solve(equation)
                _, message, saved = self.cli.solution(",", equation)
                if message:
                    self.page.dismiss()
                self.page.keys((CTRL, "s"))
                self.save_dialog("s%d" % number)
                self.assertEqual(self.page.downloaded("s%d.txt" % number), saved)
                if message:
                    continue
                bmp = self.cli.picture(",", equation)
                self.page.keys((CTRL, "g"))
                self.save_dialog("p%d" % number)
                self.assertEqual(self.page.downloaded("p%d.bmp" % number), bmp)
                self.page.keys((CTRL, "g"))
                self.save_dialog("p%d" % number, choose_png=True)
                png = self.page.downloaded("p%d.png" % number)
                image = Image.open(io.BytesIO(png)).convert("RGB")
                self.assertEqual((image.width, image.height, image.tobytes()), bmp_rgb(bmp))

    def test_full_screen_picture_and_read_out(self):
        # A desktop's view, then a phone's on its side, whose menu bar of a
        # finger's height takes its rows from the picture.
        for touch in (False, True):
            with self.subTest(touch=touch):
                if touch:
                    self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                        "width": 844, "height": 390, "deviceScaleFactor": 3, "mobile": True})
                    self.page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                                     {"enabled": True, "maxTouchPoints": 5})
                    self.page.open()
                self.page.solve("x^2-5x+6")
                self.page.keys((CTRL, "p"))
                self.page.until(lambda: self.page.js("return !document.getElementById('fullscreen').hidden"))
                width, height, pixels = self.page.canvas_rgb("fullscreen-plot")
                screen = "%dx%d" % (width, height + 40)
                bmp = self.cli.picture(",", "x^2-5x+6", "--screen", screen)
                self.assertEqual((width, height, pixels), bmp_rgb(bmp))
                # Halves of the screen, rounded ties to even as the program rounds.
                hx, hy = round(width / 2), round((height + 40) / 2)
                # The read-out is in screen pixels; the picture lies 20 below the top.
                for dx, dy, text in [(8, -11, "[0;0]"), (38, -31, "[3;2]"), (-12, 9, "[-2;-2]")]:
                    self.page.point("fullscreen-plot", hx + dx, hy + dy)
                    self.assertEqual(self.page.status("fullscreen-status"), text)
                if not touch:
                    self.page.keys((CTRL, "s"))
                    self.save_dialog()
                    self.assertEqual(self.page.downloaded("График.bmp"), bmp)
                self.page.keys(Keys.ESCAPE)
                self.page.until(lambda: self.page.js("return document.getElementById('fullscreen').hidden"))
                # Hints reach the main window's status bar again.
                self.page.element("equation").click()
                self.assertEqual(self.page.status(), "Введите в это поле уравнение вида Ax^2+Bx+C=0")

    def test_loaded_equation(self):
        cases = [
            (b"\xef\xbb\xbfX^2-9\r\nx^2-1\r\n", "x^2-9=0", None),
            (b"0,5x^2-2\n", "0,5x^2-2=0", None),
            (b"", "", "List index out of bounds (0)"),
        ]
        for content, field, message in cases:
            with self.subTest(content=content):
                with tempfile.NamedTemporaryFile(suffix=".txt", delete=False) as file:
                    file.write(content)
                self.page.keys((CTRL, "l"))
                self.page.element("load-file").send_keys(file.name)
                if message:
                    self.assertEqual(self.page.until(self.page.box), ["Parabel", message])
                    self.page.dismiss()
                else:
                    # The field and the list change together once the file
                    # is read; the list alone may still be the last file's.
                    self.page.until(lambda: self.page.element("equation").get_attribute("value") == field)
                    lines, _, _ = self.cli.solution(",", field)
                    self.assertEqual(self.page.lines(), lines)
                self.assertEqual(self.page.element("equation").get_attribute("value"), field)
                os.unlink(file.name)


class FullScreenTest(PageTest):
    """The full-screen view opens and closes cleanly however fast the keys
    come: no fault, never left in the browser's full screen, as the last key
    left it, and when open the picture of the screen it fills."""

    def settled(self):
        """Once the browser has done all the view asked: (open, the view
        shown, the browser's full screen on it, the focused element's id)."""
        return self.page.until(lambda: self.page.js("""
            const view = document.getElementById('fullscreen');
            const state = view.dataset.state;
            return state === 'opening' ? null : [state === 'open', !view.hidden,
                document.fullscreenElement === view, document.activeElement.id];"""))

    def test_quick_openings_and_closings(self):
        equation = "x^2-5x+6"
        self.page.solve(equation)
        for cycles, open_at_last in [(60, False), (60, True), (1, False), (0, True)]:
            with self.subTest(cycles=cycles, open_at_last=open_at_last):
                chain = ActionChains(self.page.driver)
                for _ in range(cycles):
                    chain.key_down(CTRL).send_keys("p").key_up(CTRL).send_keys(Keys.ESCAPE)
                if open_at_last:
                    chain.key_down(CTRL).send_keys("p").key_up(CTRL)
                chain.perform()
                if not open_at_last:
                    self.assertEqual(self.settled(), [False, False, False, "equation"])
                    continue
                self.assertEqual(self.settled(), [True, True, True, "fullscreen-plot"])
                width, height, pixels = self.page.canvas_rgb("fullscreen-plot")
                view = "document.getElementById('fullscreen')"
                screen = self.page.js("return [%s.clientWidth, %s.clientHeight]" % (view, view))
                self.assertEqual([width, height + 40], screen)
                bmp = self.cli.picture(",", equation, "--screen", "%dx%d" % tuple(screen))
                self.assertEqual((width, height, pixels), bmp_rgb(bmp))
                self.page.keys(Keys.ESCAPE)
                self.assertEqual(self.settled(), [False, False, False, "equation"])


    def test_screen_smaller_than_a_picture(self):
        """A screen too small for any picture shows the smallest one, as
        parabel-cli draws it for the smallest screen it takes."""
        self.page.solve("x^2-4")
        self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 10, "height": 30, "deviceScaleFactor": 1, "mobile": False})
        self.page.keys((CTRL, "p"))
        self.assertEqual(self.settled()[:3], [True, True, True])
        bmp = self.cli.picture(",", "x^2-4", "--screen", "17x41")
        self.assertEqual(self.page.canvas_rgb("fullscreen-plot"), bmp_rgb(bmp))


class ReadOutTest(PageTest):
    """The pointer's plot coordinates and the hints in the status bar."""

    def test_pointer_over_the_panel(self):
        for x, y, text in [(158, 168, "График функции [0;0]"), (188, 148, "График функции [3;2]"),
                           (8, 8, "График функции [-15;16]"), (321, 337, "График функции [16,3;-16,9]")]:
            with self.subTest(x=x, y=y):
                self.page.point("plot", x, y)
                self.assertEqual(self.page.status(), text)

    def test_hints_of_the_controls_and_menus(self):
        hints = {
            "equation": "Введите в это поле уравнение вида Ax^2+Bx+C=0",
            "solution": "Решение",
        }
        for id, hint in hints.items():
            self.page.element(id).click()
            self.assertEqual(self.page.status(), hint)
        self.page.keys(Keys.F10)
        items = {
            "cmd-solve": ("Решать", "Решать !!! (Enter)"),
            "cmd-refresh": ("Обновить", "Обновить (F5)"),
            "cmd-fullscreen": ("Полноэкранный режим", "Вход в полноэкранный режим построения графика (Ctrl+P)"),
            "cmd-clear": ("Очистить", "Очистить (Ctrl+A)"),
            "menu-save": ("Сохранить...", ""),
            "cmd-load": ("Загрузить", "Загрузить (Ctrl+L)"),
            "cmd-print": ("Печать...", "Печать решения и графика (Ctrl+Shift+P)"),
            "cmd-worksheet": ("Лист заданий...", "Лист заданий с вариантами и ответами для класса"),
            "cmd-copy-link": ("Копировать ссылку", "Копировать ссылку на решённое уравнение"),
            "cmd-exit": ("Выход", "Выход из программы (Ctrl+Alt+E)"),
        }
        for id, (caption, hint) in items.items():
            with self.subTest(item=id):
                self.assertEqual(self.page.js("return document.activeElement.id"), id)
                self.assertEqual(self.page.js("return document.activeElement.firstElementChild.textContent"), caption)
                self.assertEqual(self.page.status(), hint)
                self.page.keys(Keys.ARROW_DOWN)
        self.page.keys(Keys.ESCAPE)
        self.assertEqual(self.page.js("return document.activeElement.id"), "solution")


class CommandsTest(PageTest):
    """The keys, the menus and the boxes, with the desktop's texts."""

    def test_keys_open_what_the_menus_open(self):
        self.page.solve("x^2-1")
        about = ("Parabel aka", "{ Parabel }", "Cайт:", "http://parabel.example.org")
        self.page.keys(Keys.F1)
        self.page.until(lambda: self.page.js("return document.getElementById('about-box').open"))
        text = self.page.element("about-box").text
        for part in about:
            self.assertIn(part, text)
        self.page.keys(Keys.ENTER)
        self.page.keys((CTRL, ALT, "e"))
        self.assertEqual(self.page.until(self.page.box), ["Выход", "Подтверждаете выход из программы ?"])
        self.page.keys(Keys.TAB, Keys.ENTER)  # No
        self.assertEqual(self.page.lines()[0], "Решение")
        self.page.keys((CTRL, "a"))
        self.assertEqual((self.page.lines(), self.page.element("equation").get_attribute("value")), ([], ""))
        empty = self.page.canvas_rgb()
        self.page.keys(Keys.F5)  # nothing stored to draw after Clear
        self.assertEqual(self.page.canvas_rgb(), empty)

    def watch_copies(self):
        """Counts the writes to the clipboard that have finished, either
        way, so that a test reads the clipboard only once a copy is done."""
        self.page.js("""
            const clipboard = navigator.clipboard;
            window.copiesDone = 0;
            for (const name of ['write', 'writeText']) {
                const write = clipboard[name].bind(clipboard);
                clipboard[name] = (...args) => write(...args).finally(() => (window.copiesDone += 1));
            }""")

    def copy_by(self, route, element, caption):
        """Copies by Ctrl+C or the context menu and waits until the write is
        done."""
        done = self.page.js("return window.copiesDone")
        if route == "keys":
            self.page.element(element).click()
            self.page.keys((CTRL, "c"))
        else:
            ActionChains(self.page.driver).context_click(self.page.element(element)).perform()
            item = self.page.until(lambda: [b for b in self.page.driver.find_elements(
                "css selector", ".context button") if b.text == caption and b.is_displayed()])
            item[0].click()
        self.page.until(lambda: self.page.js("return window.copiesDone") > done)

    def clipboard(self):
        """What the clipboard holds, as (text, PNG bytes); None for what it
        does not hold."""
        text, png = self.page.driver.execute_async_script("""
            const done = arguments[0];
            (async () => {
                const [item] = await navigator.clipboard.read();
                const text = item.types.includes('text/plain')
                    ? await (await item.getType('text/plain')).text() : null;
                let png = null;
                if (item.types.includes('image/png')) {
                    const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
                    png = btoa(Array.from(bytes, (b) => String.fromCharCode(b)).join(''));
                }
                return [text, png];
            })().then(done, (error) => done(['clipboard not read: ' + error, null]));""")
        return text, png and base64.b64decode(png)

    def clear_clipboard(self):
        self.page.driver.execute_async_script(
            "const done = arguments[0]; navigator.clipboard.writeText('').then(done, done);")

    def allow_clipboard(self, allowed):
        permissions = {"clipboard-read": "granted", "clipboard-write": "granted" if allowed else "denied"}
        for name, setting in permissions.items():
            self.page.driver.execute_cdp_cmd("Browser.setPermission", {
                "origin": self.site.url.rstrip("/"), "permission": {"name": name}, "setting": setting})

    def test_copy_solution_and_picture(self):
        """Ctrl+C and the context menu of the list and of the plot put on the
        clipboard what the desktop puts there: the lines, and the panel's
        picture whose pixels are the saved BMP's."""
        self.allow_clipboard(True)
        self.watch_copies()
        for equation in ["x^2-5x+6", "-x^2+2x+3", "x^2+1"]:
            self.page.solve(equation)
            lines, _, _ = self.cli.solution(",", equation)
            bmp = self.cli.picture(",", equation)
            for route in ["keys", "menu"]:
                with self.subTest(equation=equation, route=route):
                    self.clear_clipboard()
                    self.copy_by(route, "solution", "Копировать решение")
                    self.assertEqual(self.clipboard(), ("\n".join([equation + "=0"] + lines), None))
                    self.copy_by(route, "plot", "Копировать график")
                    text, png = self.clipboard()
                    image = Image.open(io.BytesIO(png)).convert("RGB")
                    self.assertEqual((image.width, image.height, image.tobytes()), bmp_rgb(bmp))

    def test_refused_copy_is_told(self):
        """A copy the browser refuses is told in the program's words, not
        the browser's, whichever way it was asked for, and the page goes on."""
        self.allow_clipboard(False)
        self.watch_copies()
        self.page.solve("x^2-5x+6")
        for route in ["keys", "menu"]:
            for element, caption in [("solution", "Копировать решение"), ("plot", "Копировать график")]:
                with self.subTest(route=route, element=element):
                    self.copy_by(route, element, caption)
                    self.assertEqual(self.page.until(self.page.box), REFUSED)
                    self.page.dismiss()
        self.page.solve("x^2-4")
        self.assertEqual(self.page.lines(), self.cli.solution(",", "x^2-4")[0])


class KeptTest(PageTest):
    """What the page keeps: the colour in Inf.ini's text, the site itself."""

    def test_colour_across_a_reload(self):
        self.page.js("""
            const input = document.getElementById('curve-color');
            document.getElementById('cmd-color').click();
            setTimeout(() => { input.value = '#1a2b3c'; input.dispatchEvent(new Event('change')); }, 50);""")
        # The text the opening writes, then the colour chosen.
        self.page.until(lambda: self.page.js("return localStorage.getItem('Inf.ini')") == "[1]\r\nColor=$003C2B1A\r\n")
        self.page.open()
        self.page.solve("x^2-2x-8")
        bmp = self.cli.picture(",", "x^2-2x-8", "--color", "#1a2b3c")
        self.assertEqual(self.page.canvas_rgb(), bmp_rgb(bmp))

    def test_offline_after_one_visit(self):
        self.page.until(lambda: self.page.js("return !!navigator.serviceWorker.controller"), seconds=20)
        self.site.stop()
        self.site.stop = lambda: None
        self.page.open()
        self.page.solve("x^2-5x+6")
        lines, _, _ = self.cli.solution(",", "x^2-5x+6")
        self.assertEqual(self.page.lines(), lines)


class NewBuildTest(PageTest):
    """A new build reaches those who visited before, on a host that lets
    browsers keep its files for ten minutes, as static hosts commonly do."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="parabel-site-")
        shutil.copytree(places.site, self.folder, dirs_exist_ok=True)
        self.site = Site(self.folder, headers={"Cache-Control": "max-age=600"})
        self.page = Page(self.site.url, self.language, self.size)
        self.cli = places.cli

    def tearDown(self):
        try:
            super().tearDown()
        finally:
            shutil.rmtree(self.folder, ignore_errors=True)

    def rebuild(self):
        """The site as a build with a changed module makes it: the module
        marks the page, and the service worker has a new version. Gives the
        name of the new build's cache."""
        with open(os.path.join(self.folder, "app.js"), "a") as file:
            file.write("document.documentElement.dataset.build='new';\n")
        path = os.path.join(self.folder, "sw.js")
        with open(path) as file:
            worker = file.read()
        version = re.search(r"const VERSION = '(\w+)';", worker).group(1)
        with open(path, "w") as file:
            file.write(worker.replace(version, "new" + version))
        return "parabel-new" + version

    def cache_names(self):
        return self.page.driver.execute_async_script(
            "const done = arguments[0]; caches.keys().then(done, () => done(null));")

    def test_new_build_after_a_visit(self):
        page = self.page
        page.until(lambda: page.js("return !!navigator.serviceWorker.controller"), seconds=20)
        new_cache = self.rebuild()
        # Another site of the same origin keeps a cache of its own.
        page.driver.execute_async_script("const done = arguments[0]; caches.open('notes-v1').then(() => done());")
        # This visit finds the new worker, which keeps the new build's files in
        # place of the old, and leaves the neighbour's alone.
        page.open()
        page.until(lambda: sorted(self.cache_names()) == sorted([new_cache, "notes-v1"]), seconds=20)
        page.open()
        self.assertEqual(page.js("return document.documentElement.dataset.build"), "new")
        page.solve("x^2-5x+6")
        lines, _, _ = self.cli.solution(",", "x^2-5x+6")
        self.assertEqual(page.lines(), lines)


class PhoneTest(PageTest):
    """A phone held upright: list above the plot, nothing cut off."""

    def setUp(self):
        super().setUp()
        self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True})
        self.page.open()

    def test_stacked_and_whole(self):
        self.page.solve("x^2-5x+6")
        boxes = self.page.js("""
            const box = id => document.getElementById(id).getBoundingClientRect().toJSON();
            return {list: box('solution'), plot: box('plot'), field: box('equation'),
                    width: document.documentElement.clientWidth,
                    scroll: document.documentElement.scrollWidth};""")
        self.assertLessEqual(boxes["list"]["bottom"], boxes["plot"]["top"])
        for name in ("list", "plot", "field"):
            self.assertGreaterEqual(boxes[name]["left"], 0, name)
            self.assertLessEqual(boxes[name]["right"], boxes["width"], name)
        self.assertEqual(boxes["scroll"], boxes["width"])
        # Whole device pixels per picture pixel: 3 here.
        self.assertEqual(boxes["plot"]["width"] * 3 / 322, 3)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    places.site = os.path.abspath(sys.argv.pop(1))
    places.cli = Cli(os.path.abspath(sys.argv.pop(1)))
    # This file's tests and those of every *_page_test.py beside it.
    loader = unittest.defaultTestLoader
    suite = unittest.TestSuite([loader.loadTestsFromModule(sys.modules[__name__]),
                                loader.discover(os.path.dirname(os.path.abspath(__file__)),
                                                pattern="*_page_test.py")])
    if len(sys.argv) > 1:
        suite = unittest.TestSuite(test for test in flatten(suite)
                                   if any(name in test.id() for name in sys.argv[1:]))
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    # A test fails once, however many of its rows do.
    failed = {getattr(test, "test_case", test).id() for test, _ in result.failures + result.errors}
    print("%d passed, %d failed" % (result.testsRun - len(failed), len(failed)))
    sys.exit(1 if failed else 0)


def flatten(suite):
    for each in suite:
        if isinstance(each, unittest.TestSuite):
            yield from flatten(each)
        else:
            yield each


if __name__ == "__main__":
    main()
