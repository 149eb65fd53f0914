"""The page on phones, by touch: a layout where the plot, the answer and the
status bar are whole at each phone size, taps through the menus, the read-out
of a tapped pixel; and what the colour command and Exit leave behind."""
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from page_test_case import PageTest

# Phones as they report themselves: CSS pixels, device pixels per CSS pixel.
# `picture_scale`: device pixels per picture pixel the plot is shown at;
# `status_shown`: the status bar within the first screen, without scrolling;
# `wraps`: long lines wrap (the desktop's list scrolls sideways instead).
SIZES = [
    # name,       width, height, ratio, touch, picture_scale, status_shown, wraps
    ("desktop",    900,   700,    1,    False,  1,             True,         False),
    ("small",      320,   568,    2,    True,   2,             False,        True),
    ("upright",    390,   844,    3,    True,   3,             True,         True),
    ("on its side", 844,  390,    3,    True,   3,             True,         True),
]

# The longest lines a solution has: they wrap on a phone, never hide the
# answer behind a scroll bar.
LONG_EQUATION = "-0,0001234x^2+1234,5678x-98765,4321"

GEOMETRY = """
    const box = (element) => element.getBoundingClientRect().toJSON();
    const list = document.getElementById('solution');
    const items = [...list.children];
    const canvas = document.getElementById('plot');
    const visible = (element) => element.getClientRects().length > 0 &&
        getComputedStyle(element).visibility !== 'hidden';
    const targets = [...document.querySelectorAll('#menubar .menu-title, .tool')].filter(visible);
    const texts = [...document.querySelectorAll('.menu-title, .menu-item, #status, #equation, #solution li')]
        .filter(visible);
    return {
        width: document.documentElement.clientWidth, height: innerHeight,
        scrollWidth: document.documentElement.scrollWidth,
        plot: box(canvas), pictureWidth: canvas.width, ratio: devicePixelRatio,
        list: box(list), listScroll: [list.scrollWidth, list.clientWidth, list.scrollHeight, list.clientHeight],
        answer: box(items[items.length - 1]),
        cut: items.filter((item) => item.scrollWidth > item.clientWidth + 1).length,
        status: box(document.querySelector('.statusbar')),
        targets: targets.map((t) => [t.dataset.command || t.id, t.offsetWidth, t.offsetHeight]),
        smallest_text: Math.min(...texts.map((t) => parseFloat(getComputedStyle(t).fontSize))),
    };"""


class PhonePage(PageTest):
    """Opens the page as a phone of `SIZES` shows it."""

    def emulate(self, width, height, ratio, touch):
        driver = self.page.driver
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
        self.page.open()

    def tap_at(self, x, y):
        for kind, points in [("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])]:
            self.page.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def tap(self, id):
        x, y = self.page.js("""
            const box = document.getElementById(arguments[0]).getBoundingClientRect();
            return [box.left + box.width / 2, box.top + box.height / 2];""", id)
        self.tap_at(x, y)

    def shown(self, id):
        return self.page.js("const e = document.getElementById(arguments[0]); return !!e && e.getClientRects().length > 0", id)


class PhoneLayoutTest(PhonePage):
    def test_whole_at_each_size(self):
        for name, width, height, ratio, touch, picture_scale, status_shown, wraps in SIZES:
            with self.subTest(size=name):
                self.emulate(width, height, ratio, touch)
                self.page.solve(LONG_EQUATION)
                shape = self.page.js(GEOMETRY)
                self.assertEqual(shape["scrollWidth"], width, "the page scrolls sideways")
                # The plot at a whole number of device pixels per picture
                # pixel, its drawing whole on the screen (a frame line of
                # one picture pixel may lie beyond the edges).
                plot = shape["plot"]
                frame = picture_scale / ratio
                self.assertEqual(plot["width"] * ratio / shape["pictureWidth"], picture_scale)
                self.assertGreaterEqual(plot["left"] + frame, 0)
                self.assertLessEqual(plot["right"] - frame, width)
                self.assertLessEqual(plot["bottom"], max(height, shape["list"]["bottom"] + plot["height"] + 60))
                # No line cut off on a phone; the answer in view, above
                # any scroll bar.
                if wraps:
                    self.assertEqual(shape["cut"], 0)
                    self.assertLessEqual(shape["listScroll"][0], shape["listScroll"][1])
                self.assertLessEqual(shape["answer"]["bottom"], shape["list"]["top"] + 1 + shape["listScroll"][3])
                if status_shown:
                    # Plot, answer and status bar all on the first screen.
                    for part in ("plot", "answer", "status"):
                        self.assertLessEqual(shape[part]["bottom"], height, part)
                if touch:
                    self.assertGreaterEqual(shape["smallest_text"], 12)
                # 40 px or more for a finger; 24 px for a mouse, or less
                # across when the neighbours are far (axe checks that).
                for target, target_width, target_height in shape["targets"]:
                    smaller, larger = sorted([target_width, target_height])
                    self.assertGreaterEqual(smaller if touch else larger, 40 if touch else 24, target)


class PhoneTouchTest(PhonePage):
    def test_tap_through_the_save_submenu(self):
        """Файл, Сохранить..., then its item, by taps: the submenu stays
        open after the finger lifts and the item's dialog opens; a second
        tap on Сохранить... closes the submenu."""
        self.emulate(390, 844, 3, True)
        self.page.solve("x^2-5x+6")
        for item, offered in [("cmd-save-solution", "Решение"), ("cmd-save-plot", "График")]:
            with self.subTest(item=item):
                self.tap("menu-file")
                self.page.until(lambda: self.shown("menu-save"))
                self.tap("menu-save")
                self.page.until(lambda: self.shown(item))
                self.tap("menu-save")
                self.page.until(lambda: not self.shown(item))
                self.tap("menu-save")
                self.page.until(lambda: self.shown(item))
                time.sleep(0.6)  # longer than a mouse's leaving waits
                self.assertTrue(self.shown(item))
                self.tap(item)
                self.page.until(lambda: self.page.js("return document.getElementById('save-box').open"))
                self.assertEqual(self.page.element("save-name").get_attribute("value"), offered)
                self.page.js("document.querySelector('#save-box button[value=cancel]').click()")
                self.page.until(lambda: not self.page.js("return document.getElementById('save-box').open"))
                self.assertFalse(self.shown("menu-save"))

    def test_mouse_crosses_the_next_item_to_the_submenu(self):
        """A diagonal move from Сохранить... over Загрузить into the submenu
        keeps it open; resting on Загрузить closes it."""
        page = self.page
        page.element("menu-file").click()

        def move_to(id, fx=0.5, fy=0.5):
            x, y = page.js("""const b = document.getElementById(arguments[0]).getBoundingClientRect();
                              return [b.left + b.width * arguments[1], b.top + b.height * arguments[2]];""", id, fx, fy)
            page.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})

        for rest, expected_open in [(False, True), (True, False)]:
            with self.subTest(rest_on_the_next_item=rest):
                move_to("menu-save")
                page.until(lambda: self.shown("cmd-save-plot"))
                move_to("cmd-load", 0.9, 0.3)
                if rest:
                    page.until(lambda: not self.shown("cmd-save-plot"))
                    continue
                move_to("cmd-save-plot", 0.2, 0.5)
                time.sleep(0.6)
                self.assertEqual(self.shown("cmd-save-plot"), expected_open)
        ActionChains(page.driver).click(page.element("menu-save")).perform()
        page.until(lambda: self.shown("cmd-save-plot"))
        page.element("cmd-save-plot").click()
        page.until(lambda: page.js("return document.getElementById('save-box').open"))
        self.assertEqual(page.element("save-name").get_attribute("value"), "График")

    def test_tap_shows_the_pixels_read_out(self):
        """A tap on a picture pixel, anywhere in its device pixels, shows the
        read-out the mouse shows for it (and the window, where known)."""
        pixels = [(158, 168, "График функции [0;0]"), (188, 148, "График функции [3;2]"),
                  (8, 8, "График функции [-15;16]"), (1, 336, None), (319, 1, None)]
        known = {}
        for x, y, text in pixels:
            self.page.point("plot", x, y)
            known[x, y] = self.page.status()
            self.assertEqual(known[x, y], text or known[x, y])
            self.assertTrue(known[x, y])
        for width, height, ratio in [(320, 568, 2), (390, 844, 3), (844, 390, 3)]:
            self.emulate(width, height, ratio, True)
            left, top, step = self.page.js("""
                const canvas = document.getElementById('plot');
                canvas.scrollIntoView({block: 'center'});
                const box = canvas.getBoundingClientRect();
                return [box.left, box.top, box.width / canvas.width];""")
            for (x, y), text in known.items():
                for within in (0.05, 0.95):
                    with self.subTest(size=(width, height), pixel=(x, y), within=within):
                        self.page.js("document.getElementById('status').textContent = ''")
                        self.tap_at(left + (x + within) * step, top + (y + within) * step)
                        self.page.until(lambda: self.page.status())
                        self.assertEqual(self.page.status(), text)


class LeavingTest(PhonePage):
    """What the colour command writes, and the page Exit leaves."""

    WATCH = """
        window.writes = 0;
        window.draws = 0;
        const setItem = Storage.prototype.setItem;
        Storage.prototype.setItem = function (...args) { window.writes += 1; return setItem.apply(this, args); };
        const put = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function (...args) {
            if (this.canvas.id === 'plot') window.draws += 1;
            return put.apply(this, args);
        };
        window.pickers = 0;
        const showPicker = HTMLInputElement.prototype.showPicker;
        HTMLInputElement.prototype.showPicker = function () {
            window.pickers += 1;
            try { showPicker.call(this); } catch { /* none in a headless browser */ }
        };"""

    def colour_command(self):
        page = self.page
        pickers = page.js("return pickers")
        page.element("menu-settings").click()
        page.until(lambda: self.shown("cmd-color"))
        page.element("cmd-color").click()
        page.until(lambda: page.js("return pickers") > pickers)

    def answer(self, event, value=None):
        self.page.js("""const input = document.getElementById('curve-color');
                        if (arguments[1]) input.value = arguments[1];
                        input.dispatchEvent(new Event(arguments[0]));""", event, value)

    def test_colour_cancel_and_choice(self):
        """Cancel writes the stored text back in the window's form; an
        opening left unanswered leaves nothing behind; one choice writes
        and draws once, however many openings came before."""
        page = self.page
        for stored, canonical in [("[1]\r\nColor=255\r\n", "[1]\r\nColor=clRed\r\n"),
                                  ("[1]\nColor=16711680\n", "[1]\nColor=clBlue\n")]:
            with self.subTest(stored=stored):
                page.js("localStorage.setItem('Inf.ini', arguments[0])", stored)
                page.open()
                page.solve("x^2-4")
                page.js(self.WATCH)
                for _ in range(3):
                    self.colour_command()
                    self.answer("cancel")
                    self.colour_command()  # and one closed with no word
                self.assertEqual(page.js("return [writes, draws]"), [3, 3])
                self.assertEqual(page.js("return localStorage.getItem('Inf.ini')"), canonical)
                self.answer("change", "#1a2b3c")
                page.until(lambda: page.js("return writes") > 3)
                page.until(lambda: page.js("return draws") > 3)
                time.sleep(0.2)
                self.assertEqual(page.js("return [writes, draws]"), [4, 4])
                self.assertEqual(page.js("return localStorage.getItem('Inf.ini')"),
                                 canonical.replace("clRed", "$003C2B1A").replace("clBlue", "$003C2B1A"))
                # The picker opens below the menu that holds the command.
                anchor = page.js("""const title = document.getElementById('menu-settings').getBoundingClientRect();
                                    const input = document.getElementById('curve-color').getBoundingClientRect();
                                    return [input.left - title.left, input.top - title.bottom];""")
                self.assertEqual(anchor, [0, 0])
                page.js("localStorage.clear()")

    def exit(self):
        self.page.keys((Keys.CONTROL, Keys.ALT, "e"))
        self.page.until(self.page.box)
        self.page.js("document.querySelector('#message-buttons button[value=yes]').click()")

    def test_exit_closes_or_says_the_program_ended(self):
        driver = self.page.driver
        # A tab the user came to by a link: the page says the program ended,
        # and its button starts it again.
        self.page.driver.get(self.site.url + "?by=link")
        self.page.wait_ready()
        self.assertGreater(self.page.js("return history.length"), 1)
        self.exit()
        self.page.until(lambda: self.page.js("return document.querySelector('main h1')?.textContent")
                        == "Программа завершена.")
        self.assertEqual(self.page.js("return document.activeElement.id"), "start-again")
        self.assertEqual(self.page.js("return location.href"), self.site.url + "?by=link")
        self.page.element("start-again").click()
        self.page.wait_ready()
        self.page.solve("x^2-4")
        self.assertEqual(self.page.lines()[-1], "Ответ: x(1)=2 ; x(2)=-2")
        # A tab the page opened closes.
        main = driver.current_window_handle
        self.page.js("window.open(location.href, '_blank')")
        self.page.until(lambda: len(driver.window_handles) == 2)
        driver.switch_to.window([h for h in driver.window_handles if h != main][0])
        self.page.wait_ready()
        self.exit()
        self.page.until(lambda: len(driver.window_handles) == 1)
        driver.switch_to.window(main)
        logs = [entry["message"] for entry in driver.get_log("browser")]
        self.assertFalse([m for m in logs if "close" in m], logs)
