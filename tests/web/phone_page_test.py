"""The page on phones and by touch: the plot, the answer, the status bar
and every box whole at each size, the Save submenu by taps and by a mouse's diagonal move,
a tapped pixel's read-out; and what the colour command and Exit leave."""
import base64
import subprocess
import time

from selenium.webdriver.common.keys import Keys

from page_test_case import PageTest

# Screens from the smallest phone to a large desktop, both ways round:
# CSS pixels, device pixels per CSS pixel, touch; device pixels per picture
# pixel; all on one screen (else the page scrolls down to each part); long
# lines wrap (the desktop's list scrolls sideways instead).
SIZES = [
    (900, 700, 1, False, 1, True, False),
    (320, 480, 2, True, 2, False, True),
    (480, 320, 2, True, 1, True, True),
    (320, 568, 2, True, 2, False, True),
    (568, 320, 2, True, 1, True, True),
    (360, 640, 3, True, 3, False, True),
    (640, 360, 3, True, 3, True, True),
    (375, 667, 2, True, 2, False, True),
    (667, 375, 2, True, 2, True, True),
    (360, 740, 4, True, 4, False, True),
    (740, 360, 4, True, 4, True, True),
    (375, 812, 3, True, 3, False, True),
    (812, 375, 3, True, 3, True, True),
    (390, 844, 3, True, 3, False, True),
    (844, 390, 3, True, 3, True, True),
    (412, 915, 2.625, True, 3, False, True),
    (915, 412, 2.625, True, 3, True, True),
    (768, 1024, 2, True, 2, True, False),
    (1024, 768, 2, True, 2, True, False),
    (800, 1280, 1, False, 1, True, False),
    (1280, 800, 1, False, 1, True, False),
    (1080, 1920, 1, False, 1, True, False),
    (1920, 1080, 1, False, 1, True, False),
]

GEOMETRY = """
    const box = (element) => element.getBoundingClientRect().toJSON();
    const list = document.getElementById('solution');
    const shown = (e) => e.getClientRects().length > 0;
    return {
        scroll: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
        client: [document.documentElement.clientWidth, document.documentElement.clientHeight],
        list: box(list), listClient: [list.scrollWidth, list.clientWidth, list.clientHeight],
        answer: box(list.lastElementChild),
        cut: [...list.children].filter((item) => item.scrollWidth > item.clientWidth + 1).length,
        targets: [...document.querySelectorAll('.menu-title, .tool')].filter(shown)
            .map((t) => [t.id || t.dataset.command, t.offsetWidth, t.offsetHeight]),
        text: Math.min(...[...document.querySelectorAll('.menu-title, .menu-item, #status, #solution li')]
            .filter(shown).map((t) => parseFloat(getComputedStyle(t).fontSize))),
    };"""

# Each box, menu and list the page opens over the window: how it opens (keys
# pressed together, clicks on elements, an equation solved), when it is
# there, and whether all of it shows at once (a long menu or list scrolls;
# the colour chooser is the browser's, opened at the input's place).
BOXES = [
    ("About", [(Keys.F1,)], "#about-box", "e.open", True),
    ("save box", [(Keys.CONTROL, "s")], "#save-box", "e.open", True),
    ("menu", ["#menu-file"], "#menu-file + .menu", "!e.hidden", False),
    ("Save submenu", ["#menu-file", "#menu-save"], "#menu-file + .menu", "!e.querySelector('.submenu').hidden", False),
    ("colour chooser", ["#menu-settings", "#cmd-color"], "#curve-color", "e.style.top", False),
    ("history list", ["#history-button"], "#history-list", "!e.hidden", False),
    ("full screen", [(Keys.CONTROL, "p")], "#fullscreen", "e.dataset.state === 'open'", True),
    ("error box", ["x^2+zx"], "#message-box", "e.open", True),
]

# The part on the screen once the page has scrolled to it; the targets a
# pointer aims at in it.
SHOWN = """
    const element = document.querySelector(arguments[0]);
    element.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden'
        && !e.classList.contains('screen-reader-only');
    return {box: element.getBoundingClientRect().toJSON(),
            scrolls: [element.scrollWidth > element.clientWidth, element.scrollHeight > element.clientHeight],
            parts: [...element.querySelectorAll('*')].filter(shown)
                .map((e) => [e.id || e.className || e.tagName, e.getBoundingClientRect().toJSON()]),
            cut: [...element.querySelectorAll('*')].filter((e) => shown(e) && e.clientWidth > 0
                && e.scrollWidth > e.clientWidth + 1).map((e) => e.id || e.className || e.tagName),
            targets: [...element.querySelectorAll('button, select, [role="option"]')].filter(shown)
                .map((t) => [t.id || t.textContent, t.offsetWidth, t.offsetHeight])};"""


class PhonePage(PageTest):
    def emulate(self, width, height, ratio, touch):
        self.page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch})
        self.page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                         {"enabled": touch, "maxTouchPoints": 5})
        self.page.open()

    def at(self, id, fx=0.5, fy=0.5):
        return self.page.js("""const b = document.getElementById(arguments[0]).getBoundingClientRect();
                               return [b.left + b.width * arguments[1], b.top + b.height * arguments[2]];""", id, fx, fy)

    def tap(self, x, y):
        for kind, points in [("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])]:
            self.page.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def mouse(self, x, y):
        self.page.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})

    def shown(self, id):
        return self.page.js("return document.getElementById(arguments[0]).getClientRects().length > 0", id)

    def saving(self):
        return self.page.js("return document.getElementById('save-box').open")


class PhoneLayoutTest(PhonePage):
    def inside(self, rect, outer, inset=0.0):
        """Whether `rect`, less `inset` on each side, lies within `outer`."""
        return (rect["left"] + inset >= outer["left"] - 0.5 and rect["top"] + inset >= outer["top"] - 0.5
                and rect["right"] - inset <= outer["right"] + 0.5 and rect["bottom"] - inset <= outer["bottom"] + 0.5)

    def open_box(self, steps):
        for step in steps:
            if isinstance(step, str) and step.startswith("#"):
                self.page.driver.find_element("css selector", step).click()
            elif isinstance(step, str):
                self.page.solve(step)
            else:
                self.page.keys(step)

    def close_boxes(self):
        self.page.keys(Keys.ESCAPE)
        self.page.until(lambda: self.page.js("""return !document.querySelector('dialog[open]')
            && document.getElementById('fullscreen').dataset.state === 'closed'
            && document.getElementById('history-list').hidden
            && !document.querySelector('.menu:not([hidden])')"""))

    def check_targets(self, targets, touch):
        # 44 px or more for a finger; 24 px for a mouse, or less across
        # where the neighbours are far (axe checks that).
        for target, *sides in targets:
            self.assertGreaterEqual(min(sides) if touch else max(sides), 44 if touch else 24, target)

    def test_whole_at_each_size(self):
        for width, height, ratio, touch, scale, one_screen, wraps in SIZES:
            with self.subTest(size=(width, height, ratio)):
                self.emulate(width, height, ratio, touch)
                self.page.solve("-0,0001234x^2+1234,5678x-98765,4321")  # lines of 64 characters
                shape = self.page.js(GEOMETRY)
                # The screen less a desktop's scroll bar.
                across, down = shape["client"]
                screen = {"left": 0, "top": 0, "right": across, "bottom": down}
                self.assertEqual(shape["scroll"], [across, down] if one_screen else [across, shape["scroll"][1]],
                                 "the page scrolls")
                # Whole device pixels per picture pixel, the drawing on the
                # screen (its frame line may lie beyond the edges).
                plot, frame = self.page.js(SHOWN, "#plot")["box"], scale / ratio
                self.assertEqual(plot["width"] * ratio / 322, scale)
                self.assertTrue(self.inside(plot, screen, frame), plot)
                # No line cut off on a phone; the answer above any scroll bar.
                if wraps:
                    self.assertEqual([shape["cut"], shape["listClient"][0]], [0, shape["listClient"][1]])
                self.assertLessEqual(shape["answer"]["bottom"], shape["list"]["top"] + 1 + shape["listClient"][2])
                for part in ("#solution li:last-child", ".statusbar"):
                    self.assertTrue(self.inside(self.page.js(SHOWN, part)["box"], screen), part)
                self.assertGreaterEqual(shape["text"], 12 if touch else 11)
                self.check_targets(shape["targets"], touch)
            for name, steps, box, opened, whole in BOXES:
                with self.subTest(size=(width, height, ratio), box=name):
                    try:
                        self.open_box(steps)
                        self.page.until(lambda: self.page.js(
                            "const e = document.querySelector(arguments[0]); return !!(%s)" % opened, box))
                        self.check_box(self.page.js(SHOWN, box), screen, whole, touch)
                    finally:
                        self.close_boxes()

    def check_box(self, shown, screen, whole, touch):
        self.assertTrue(self.inside(shown["box"], screen), shown["box"])
        if whole:
            # Every line in the box, none hidden by its scrolling.
            self.assertEqual(shown["scrolls"], [False, False])
            self.assertEqual([part for part, rect in shown["parts"] if not self.inside(rect, shown["box"])], [])
            self.assertEqual(shown["cut"], [])
        self.check_targets(shown["targets"], touch)


class PhoneTouchTest(PhonePage):
    def test_save_submenu_by_taps(self):
        """Taps open Сохранить... (a second tap closes it), which stays open
        after the finger has left, and its item's dialog opens."""
        self.emulate(390, 844, 3, True)
        for item, offered in [("cmd-save-solution", "Решение"), ("cmd-save-plot", "График")]:
            with self.subTest(item=item):
                self.tap(*self.at("menu-file"))
                for expected in (True, False, True):
                    self.page.until(lambda: self.shown("menu-save"))
                    self.tap(*self.at("menu-save"))
                    self.page.until(lambda: self.shown(item) == expected)
                time.sleep(0.6)  # longer than a mouse's leaving waits
                self.tap(*self.at(item))
                self.page.until(self.saving)
                self.assertEqual(self.page.element("save-name").get_attribute("value"), offered)
                self.page.keys(Keys.ESCAPE)
                self.page.until(lambda: not self.saving())

    def test_save_submenu_by_a_diagonal_mouse_move(self):
        """Across Загрузить into the submenu keeps it open; resting on
        Загрузить closes it."""
        self.page.element("menu-file").click()
        for rest in (True, False):
            with self.subTest(rest_on_the_next_item=rest):
                self.mouse(*self.at("menu-save"))
                self.page.until(lambda: self.shown("cmd-save-plot"))
                self.mouse(*self.at("cmd-load", 0.9, 0.3))
                if rest:
                    self.page.until(lambda: not self.shown("cmd-save-plot"))
        self.mouse(*self.at("cmd-save-plot", 0.2))
        time.sleep(0.6)
        self.assertTrue(self.shown("cmd-save-plot"))
        self.page.element("cmd-save-plot").click()
        self.page.until(self.saving)

    def test_tap_shows_the_pixels_read_out(self):
        """A tap anywhere on a picture pixel's device pixels shows what the
        mouse shows there (and the window, where the text is given)."""
        pixels = {(158, 168): "График функции [0;0]", (188, 148): "График функции [3;2]",
                  (8, 8): "График функции [-15;16]", (1, 336): None, (319, 1): None}
        for (x, y), text in pixels.items():
            self.page.point("plot", x, y)
            pixels[x, y] = text or self.page.status()
            self.assertEqual(self.page.status(), pixels[x, y])
        for size in [(320, 568, 2), (390, 844, 3), (844, 390, 3)]:
            self.emulate(*size, True)
            left, top, step = self.page.js("""const canvas = document.getElementById('plot');
                canvas.scrollIntoView({block: 'center'});
                const b = canvas.getBoundingClientRect();
                return [b.left, b.top, b.width / canvas.width];""")
            for (x, y), text in pixels.items():
                for within in (0.05, 0.95):
                    with self.subTest(size=size, pixel=(x, y), within=within):
                        self.page.js("document.getElementById('status').textContent = ''")
                        self.tap(left + (x + within) * step, top + (y + within) * step)
                        self.assertEqual(self.page.until(self.page.status), text)


class LeavingTest(PhonePage):
    # Counts the writes of Inf.ini, the panel's drawings and the pickers.
    WATCH = """
        window.counts = {writes: 0, draws: 0, pickers: 0};
        const wrap = (type, name, count, when = () => true) => {
            const original = type.prototype[name];
            type.prototype[name] = function (...args) {
                if (when(this)) counts[count] += 1;
                try { return original.apply(this, args); } catch { /* no picker when headless */ }
            };
        };
        wrap(Storage, 'setItem', 'writes');
        wrap(CanvasRenderingContext2D, 'putImageData', 'draws', (context) => context.canvas.id === 'plot');
        wrap(HTMLInputElement, 'showPicker', 'pickers');"""

    def colour_command(self, answer=None, value=None):
        pickers = self.page.js("return counts.pickers")
        self.page.element("menu-settings").click()
        self.page.element("cmd-color").click()
        self.page.until(lambda: self.page.js("return counts.pickers") > pickers)
        if answer:
            self.page.js("""const input = document.getElementById('curve-color');
                            if (arguments[1]) input.value = arguments[1];
                            input.dispatchEvent(new Event(arguments[0]));""", answer, value)

    def test_colour_cancel_and_choice(self):
        """Each opening writes the stored text back in the window's form, as
        the window's Cancel does (browsers do not tell when their picker
        closes unchanged); one left unanswered or cancelled leaves nothing
        behind: one choice writes and draws once, whatever came before."""
        page = self.page
        for stored, canonical, chosen in [
                ("[1]\r\nColor=255\r\n", "[1]\r\nColor=clRed\r\n", "[1]\r\nColor=$003C2B1A\r\n"),
                ("[1]\nColor=16711680\n", "[1]\nColor=clBlue\n", "[1]\nColor=$003C2B1A\n")]:
            with self.subTest(stored=stored):
                page.js("localStorage.setItem('Inf.ini', arguments[0])", stored)
                page.open()
                page.js(self.WATCH)
                for _ in range(3):
                    self.colour_command()  # closed without a word
                    self.colour_command("cancel")
                counts = "return [counts.writes, counts.draws, localStorage.getItem('Inf.ini')]"
                self.assertEqual(page.js(counts), [6, 0, canonical])
                page.js("document.getElementById('curve-color').dispatchEvent(new Event('change'))")
                self.assertEqual(page.js(counts), [6, 0, canonical])  # none left listening
                self.colour_command("change", "#1a2b3c")
                page.until(lambda: page.js(counts)[:2] == [8, 1])
                time.sleep(0.2)
                self.assertEqual(page.js(counts), [8, 1, chosen])
                # The picker opens below the menu that holds the command.
                self.assertEqual(self.at("curve-color", 0, 0), self.at("menu-settings", 0, 1))
                page.js("localStorage.clear()")

    def exit(self):
        self.page.keys((Keys.CONTROL, Keys.ALT, "e"))
        self.page.until(self.page.box)
        self.page.js("document.querySelector('#message-buttons button[value=yes]').click()")

    def test_exit_closes_or_says_the_program_ended(self):
        page, driver = self.page, self.page.driver
        # Reached by a link: the page says the program ended, and its
        # button starts the program again.
        driver.get(self.site.url + "?by=link")
        page.wait_ready()
        self.exit()
        page.until(lambda: page.js("return document.querySelector('main h1')?.textContent") == "Программа завершена.")
        self.assertEqual(page.js("return [document.activeElement.id, location.href]"),
                         ["start-again", self.site.url + "?by=link"])
        page.element("start-again").click()
        page.wait_ready()
        page.solve("x^2-4")
        self.assertEqual(page.lines()[-1], "Ответ: x(1)=2 ; x(2)=-2")
        # Opened by the page: it closes.
        main = driver.current_window_handle
        page.js("window.open(location.href, '_blank')")
        page.until(lambda: len(driver.window_handles) == 2)
        driver.switch_to.window([handle for handle in driver.window_handles if handle != main][0])
        page.wait_ready()
        self.exit()
        page.until(lambda: len(driver.window_handles) == 1)
        driver.switch_to.window(main)
        logs = [entry["message"] for entry in driver.get_log("browser")]
        self.assertEqual([message for message in logs if "close" in message], [])

    def test_ended_page_obeys_nothing(self):
        """After Exit no key, address or print of the program's acts: the
        page stays as it says, the colour and the history as they were, no
        fault in the console, and the browser's print prints what it says."""
        page = self.page
        page.solve("x^2-4")
        self.exit()
        page.until(lambda: page.js("return document.querySelector('main h1')?.textContent"))
        state = "return [document.body.innerText, localStorage.getItem('Inf.ini'), localStorage.getItem('Parabel.history')]"
        ended = page.js(state)
        for keys in [Keys.F1, (Keys.CONTROL, Keys.ALT, "e"), (Keys.CONTROL, "s"), (Keys.CONTROL, Keys.ALT, "w"),
                     (Keys.CONTROL, "p"), (Keys.CONTROL, Keys.SHIFT, "p"), (Keys.CONTROL, "a")]:
            page.keys(keys)
        # The test's own listener hears the change after any of the program's.
        page.js("""window.heard = false;
                   addEventListener('hashchange', () => (window.heard = true));
                   location.hash = '#x^2-1';""")
        page.until(lambda: page.js("return window.heard"))
        self.assertEqual([page.js(state), page.console_errors()], [ended, []])
        printed = page.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
        text = subprocess.run(["pdftotext", "-", "-"], input=base64.b64decode(printed), capture_output=True,
                              check=True).stdout.decode()
        self.assertEqual(text.split(), ended[0].split())
