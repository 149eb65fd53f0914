"""The page on phones and by touch: the plot, the answer and the status bar
whole at each size, the Save submenu by taps and by a mouse's diagonal move,
a tapped pixel's read-out; and what the colour command and Exit leave."""
import base64
import subprocess
import time

from selenium.webdriver.common.keys import Keys

from page_test_case import PageTest

# CSS pixels, device pixels per CSS pixel, touch; device pixels per picture
# pixel; the status bar on the first screen; long lines wrap (the desktop's
# list scrolls sideways instead).
SIZES = [
    ("desktop", 900, 700, 1, False, 1, True, False),
    ("small", 320, 568, 2, True, 2, False, True),
    ("upright", 390, 844, 3, True, 3, True, True),
    ("on its side", 844, 390, 3, True, 3, True, True),
]

GEOMETRY = """
    const box = (element) => element.getBoundingClientRect().toJSON();
    const list = document.getElementById('solution');
    const shown = (e) => e.getClientRects().length > 0;
    return {
        scrollWidth: document.documentElement.scrollWidth, plot: box(document.getElementById('plot')),
        list: box(list), listClient: [list.scrollWidth, list.clientWidth, list.clientHeight],
        answer: box(list.lastElementChild), status: box(document.querySelector('.statusbar')),
        cut: [...list.children].filter((item) => item.scrollWidth > item.clientWidth + 1).length,
        targets: [...document.querySelectorAll('.menu-title, .tool')].filter(shown)
            .map((t) => [t.id || t.dataset.command, t.offsetWidth, t.offsetHeight]),
        text: Math.min(...[...document.querySelectorAll('.menu-title, .menu-item, #status, #solution li')]
            .filter(shown).map((t) => parseFloat(getComputedStyle(t).fontSize))),
    };"""


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
    def test_whole_at_each_size(self):
        for name, width, height, ratio, touch, scale, status_shown, wraps in SIZES:
            with self.subTest(size=name):
                self.emulate(width, height, ratio, touch)
                self.page.solve("-0,0001234x^2+1234,5678x-98765,4321")  # lines of 64 characters
                shape = self.page.js(GEOMETRY)
                self.assertEqual(shape["scrollWidth"], width, "the page scrolls sideways")
                # Whole device pixels per picture pixel; the drawing on the
                # screen (its frame line may lie beyond the edges).
                plot, frame = shape["plot"], scale / ratio
                self.assertEqual(plot["width"] * ratio / 322, scale)
                self.assertTrue(plot["left"] + frame >= 0 and plot["right"] - frame <= width, plot)
                # No line cut off on a phone; the answer above any scroll bar.
                if wraps:
                    self.assertEqual([shape["cut"], shape["listClient"][0]], [0, shape["listClient"][1]])
                self.assertLessEqual(shape["answer"]["bottom"], shape["list"]["top"] + 1 + shape["listClient"][2])
                for part in ("plot", "answer", "status") if status_shown else ():
                    self.assertLessEqual(shape[part]["bottom"], height, part)
                # 40 px or more for a finger; 24 px for a mouse, or less
                # across where the neighbours are far (axe checks that).
                self.assertGreaterEqual(shape["text"], 12 if touch else 11)
                for target, *sides in shape["targets"]:
                    self.assertGreaterEqual(min(sides) if touch else max(sides), 40 if touch else 24, target)


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
