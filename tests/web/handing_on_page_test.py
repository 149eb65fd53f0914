"""A solution handed on from the page: printed (the browser's print, as
headless Chromium writes it to PDF), sent as a link, found again in the
history; and the equation texts shared with the window's and the CLI's
tests, typed, pasted and loaded. Run by browser_test.py."""
import base64
import json
import os
import subprocess
import tempfile
import time

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from browser import Page, bmp_rgb
from page_test_case import PageTest

CTRL, ALT, SHIFT = Keys.CONTROL, Keys.ALT, Keys.SHIFT
NOTHING_TO_PRINT = ["Ошибка", "Нечего печатать: решите уравнение, и его решение с графиком можно будет "
                    "напечатать."]
FIELD_TEXTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "field_texts.json")
DOTS = 6  # per picture pixel, at 600 dots per inch


def run(*command):
    return subprocess.run(command, capture_output=True, check=True).stdout


def watch_prints(page):
    """The browser's print counted instead of shown (headless Chromium has no
    dialog); the test prints as the browser would, by printToPDF."""
    page.js("window.prints = 0; window.print = () => { window.prints += 1; };")


def clipboard_allowed(test, page, allowed):
    for name, setting in {"clipboard-read": "granted",
                          "clipboard-write": "granted" if allowed else "denied"}.items():
        page.driver.execute_cdp_cmd("Browser.setPermission", {
            "origin": test.site.url.rstrip("/"), "permission": {"name": name}, "setting": setting})


def clipboard_text(page, text=None):
    """Puts `text` on the clipboard (as another program would), or reads it."""
    script = ("navigator.clipboard.writeText(%s).then(() => '')" % json.dumps(text) if text is not None
              else "navigator.clipboard.readText()")
    return page.driver.execute_cdp_cmd("Runtime.evaluate", {
        "expression": script, "awaitPromise": True, "userGesture": True})["result"]["value"]


class PrintPageTest(PageTest):
    """Print lays out one page: the equation line and the list's lines as
    real text, the panel's pixels as 6 x 6 dots of 600 dpi, the footer; the
    paper the language's; nothing to print before a solve and after Clear."""

    def print_by(self, route):
        before = self.page.js("return window.prints")
        if route == "keys":
            self.page.keys((CTRL, SHIFT, "p"))
        elif route == "menu":
            self.page.element("menu-file").click()
            self.page.element("cmd-print").click()
        else:
            self.page.driver.find_element("css selector", '.tool[data-command="print"]').click()
        return before

    def printed_pdf(self, page, folder):
        pdf = page.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})
        path = os.path.join(folder, "page.pdf")
        with open(path, "wb") as file:
            file.write(base64.b64decode(pdf["data"]))
        return path

    def check_printed(self, page, separator, equation, paper):
        field = page.element("equation").get_attribute("value")
        lines, message, _ = self.cli.solution(separator, field)
        self.assertFalse(message)
        bmp = bmp_rgb(self.cli.picture(separator, field))
        days = {time.strftime("%d.%m.%Y")}
        with tempfile.TemporaryDirectory() as folder:
            pdf = self.printed_pdf(page, folder)
            days.add(time.strftime("%d.%m.%Y"))
            info = run("pdfinfo", pdf).decode()
            self.assertIn("Pages:           1\n", info)
            self.assertRegex(info, r"Page size: .*\(%s\)" % paper)
            # Text as text: the equation line, the list's lines, the footer.
            text = [line for line in run("pdftotext", pdf, "-").decode().split("\n") if line.strip()]
            shown = [field] + [line for line in lines if line.strip()]
            self.assertEqual(text[:len(shown)], shown)
            self.assertEqual(len(text), len(shown) + 2)
            self.assertTrue(text[-2].startswith("Parabel "), text[-2])
            self.assertIn(text[-1], days)
            # The picture held in the file: the panel's pixels, each 6 x 6, at 600 dpi.
            self.assertRegex(run("pdfimages", "-list", pdf).decode(), r" 1932 +2028 .* 600 +600 ")
            run("pdfimages", "-png", pdf, os.path.join(folder, "image"))
            held = Image.open(os.path.join(folder, "image-000.png")).convert("RGB")
            width, height, pixels = bmp
            scaled = Image.frombytes("RGB", (width, height), pixels).resize((width * DOTS, height * DOTS),
                                                                                    Image.NEAREST)
            self.assertEqual(held.tobytes(), scaled.tobytes())
            # And where the page shows it, rendered at 600 dpi with white
            # around: the dot at the centre of each pixel's square, within a
            # renderer's rounding.
            left, top = page.js("""
                const plot = document.querySelector('#printed-page canvas');
                return plot.style.transform.match(/translate\\(([\\d.]+)mm, ([\\d.]+)mm\\)/).slice(1).map(Number);""")
            x, y = round(left * 600 / 25.4) - DOTS, round(top * 600 / 25.4) - DOTS
            run("pdftoppm", "-r", "600", "-x", str(x), "-y", str(y), "-W", str(width * DOTS + 2 * DOTS),
                "-H", str(height * DOTS + 2 * DOTS), "-png", "-singlefile", pdf, os.path.join(folder, "plot"))
            rendered = Image.open(os.path.join(folder, "plot.png")).convert("RGB")
            for corner in [(0, 0), (rendered.width - 1, rendered.height - 1)]:
                self.assertEqual(rendered.getpixel(corner), (255, 255, 255))
            differing = [(px, py) for py in range(height) for px in range(width)
                         if max(abs(a - b) for a, b in zip(
                             rendered.getpixel((DOTS + px * DOTS + DOTS // 2, DOTS + py * DOTS + DOTS // 2)),
                             pixels[(py * width + px) * 3:(py * width + px) * 3 + 3])) > 2]
            self.assertEqual(differing[:5], [], equation)

    def test_printed_page_and_nothing_to_print(self):
        page = self.page
        watch_prints(page)
        self.print_by("keys")
        self.assertEqual(page.until(page.box), NOTHING_TO_PRINT)
        page.dismiss()
        for route, equation in [("keys", "x^2-5x+6"), ("menu", "-x^2+2x+3"), ("toolbar", "0,25x^2-x-3")]:
            with self.subTest(route=route, equation=equation):
                page.solve(equation)
                before = self.print_by(route)
                page.until(lambda: page.js("return window.prints") == before + 1)
                self.assertIsNone(page.box())
                self.check_printed(page, ",", equation, "A4")
        page.keys((CTRL, "a"))
        for route in ["keys", "toolbar"]:
            self.print_by(route)
            self.assertEqual(page.until(page.box), NOTHING_TO_PRINT)
            page.dismiss()
        self.assertEqual(page.js("return window.prints"), 3)

    def test_letter_where_the_language_says_so(self):
        page = Page(self.site.url, "en-US", self.size)
        try:
            watch_prints(page)
            page.solve("x^2-2.5x+1")
            page.keys((CTRL, SHIFT, "p"))
            page.until(lambda: page.js("return window.prints") == 1)
            self.check_printed(page, ".", "x^2-2.5x+1", "letter")
        finally:
            page.close()


class LinkPageTest(PageTest):
    """The address carries the equation: opened by it the page is solved,
    it follows each solve in place, and the link copied is it."""

    def check_solved(self, page, field, separator=","):
        lines, message, _ = self.cli.solution(separator, field)
        if message:
            self.assertEqual(page.until(page.box), ["Error", message])
            page.dismiss()
        else:
            self.assertIsNone(page.box())
            self.assertEqual(page.canvas_rgb(), bmp_rgb(self.cli.picture(separator, field)))
        self.assertEqual(page.element("equation").get_attribute("value"), field)
        self.assertEqual(page.lines(), lines)

    def test_opened_by_address_and_following_it(self):
        page = self.page
        cases = [
            ("#x^2-5x+6", "x^2-5x+6=0"),
            ("#X%C2%B2-4=0", "x^2-4=0"),
            ("#%D1%85^2-1", "х^2-1"),   # a Cyrillic letter: the usual box
            ("#0,5x%5E2+x-12", "0,5x^2+x-12=0"),
            ("#5+3", "5+3"),
        ]
        for fragment, field in cases:
            with self.subTest(fragment=fragment):
                page.driver.get("about:blank")  # a visit, not a move within the page
                page.driver.get(self.site.url + fragment)
                page.wait_ready()
                self.check_solved(page, field)
        # The user changes the address: that equation is solved.
        for fragment, field in [("#x^2+2x-3", "x^2+2x-3=0"), ("#x^2+zx", "x^2+zx")]:
            with self.subTest(changed=fragment):
                page.keys((CTRL, "a"))  # a failed solve leaves the list as it was
                page.js("location.hash = arguments[0]", fragment)
                page.until(lambda: page.element("equation").get_attribute("value") == field)
                self.check_solved(page, field)
        # Each Enter replaces the address, adding nothing to go back through.
        length = page.js("return history.length")
        for equation in ["x^2-9", "x^2+1", "x^2-9", "5+3", "-x^2+4x"]:
            page.solve(equation)
            if page.box():
                page.dismiss()
            field = page.element("equation").get_attribute("value")
            self.assertEqual(page.js("return decodeURIComponent(location.hash.slice(1))"), field)
        self.assertEqual(page.js("return history.length"), length)
        page.keys((CTRL, "a"))
        self.assertEqual(page.js("return location.href"), self.site.url)

    def test_copied_link_opens_the_equation(self):
        page = self.page
        clipboard_allowed(self, page, True)
        for equation in ["x^2-5x+6", "х^2-1", "-0,5x^2+x+4"]:
            with self.subTest(equation=equation):
                page.solve(equation)
                if page.box():
                    page.dismiss()
                field = page.element("equation").get_attribute("value")
                clipboard_text(page, "")
                page.element("menu-file").click()
                page.element("cmd-copy-link").click()
                link = page.until(lambda: clipboard_text(page))
                self.assertTrue(link.startswith(self.site.url + "#"), link)
                page.driver.get("about:blank")
                page.driver.get(link)
                page.wait_ready()
                self.check_solved(page, field)
        # A copy the browser refuses is told as every refused copy is.
        clipboard_allowed(self, page, False)
        page.element("menu-file").click()
        page.element("cmd-copy-link").click()
        caption, message = page.until(page.box)
        self.assertEqual(caption, "Parabel")
        self.assertTrue(message, message)
        page.dismiss()


class HistoryPageTest(PageTest):
    """The equations solved, newest first, kept across a reload; Up and Down
    in the field, the drop-down, the clear command; a damaged or refused
    storage never shows a box."""

    def drop_down(self):
        """The drop-down's options as (text, selected), opened by its button."""
        self.page.element("history-button").click()
        return self.options()

    def options(self):
        return self.page.until(lambda: self.page.js("""
            const list = document.getElementById('history-list');
            return !list.hidden && [...list.children].map(o => [o.textContent,
                o.getAttribute('aria-selected') === 'true' || o.getAttribute('aria-disabled') === 'true']);"""))

    def stored(self):
        return self.page.js("return localStorage.getItem('Parabel.history')")

    def test_kept_walked_listed_and_cleared(self):
        page = self.page
        for equation in ["x^2-1", "5+3", "x^2-4", "x^2-9", "x^2-1"]:
            page.solve(equation)
            if page.box():
                page.dismiss()
        kept = ["x^2-1=0", "x^2-9=0", "x^2-4=0"]
        self.assertEqual(self.stored(), "".join(e + "\n" for e in kept))
        page.open()  # a reload
        field = page.element("equation")
        field.click()
        # Up and Down: older, older, the oldest stays, newer, back to what was typed.
        field.send_keys("x^2")
        walk = [(Keys.ARROW_UP, kept[0]), (Keys.ARROW_UP, kept[1]), (Keys.ARROW_UP, kept[2]),
                (Keys.ARROW_UP, kept[2]), (Keys.ARROW_DOWN, kept[1]), (Keys.ARROW_DOWN, kept[0]),
                (Keys.ARROW_DOWN, "x^2"), (Keys.ARROW_DOWN, "x^2")]
        for key, text in walk:
            page.keys(key)
            self.assertEqual(field.get_attribute("value"), text)
        # Typing ends the walk: Up starts again from the newest.
        page.keys(Keys.ARROW_UP, Keys.ARROW_UP, "5", Keys.ARROW_UP)
        self.assertEqual(field.get_attribute("value"), kept[0])
        # The drop-down, by its button and by Alt+Down, chooses into the
        # field without solving, as the window's does.
        self.assertEqual(self.drop_down(), [[kept[0], True], [kept[1], False], [kept[2], False]])
        page.keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.assertEqual((field.get_attribute("value"), page.lines()), (kept[2], []))
        self.assertEqual(page.js("return document.activeElement.id"), "equation")
        page.keys((ALT, Keys.ARROW_DOWN))
        self.assertEqual(self.options()[0], [kept[0], True])
        self.assertEqual(page.js("return document.activeElement.id"), "history-list")
        page.keys(Keys.ESCAPE)
        self.assertTrue(page.js("return document.getElementById('history-list').hidden"))
        self.assertEqual(field.get_attribute("value"), kept[2])
        self.drop_down()
        page.driver.find_elements("css selector", "#history-list li")[1].click()
        self.assertEqual(field.get_attribute("value"), kept[1])
        # Cleared from the settings menu.
        page.element("menu-settings").click()
        page.element("cmd-clear-history").click()
        page.until(lambda: self.stored() == "")
        self.assertEqual(self.drop_down(), [["Решённых уравнений нет", True]])
        page.keys(Keys.ESCAPE)
        page.open()
        self.assertEqual(self.drop_down(), [["Решённых уравнений нет", True]])

    def test_damaged_or_refused_storage(self):
        page = self.page
        damages = ["x^2-1=0\n\nx^2-4=0\n", "x^2-1=0\nx^2-1=0\n", "x^2\u22121=0\n",
                   "".join("x^2-%d=0\n" % n for n in range(51))]
        for damaged in damages:
            with self.subTest(damaged=damaged[:20]):
                page.js("localStorage.setItem('Parabel.history', arguments[0])", damaged)
                page.open()
                self.assertIsNone(page.box())
                self.assertEqual(self.drop_down(), [["Решённых уравнений нет", True]])
                page.keys(Keys.ESCAPE)
                page.solve("x^2-16")
                self.assertEqual(self.stored(), "x^2-16=0\n")
        # Storage that refuses every use, as in some private windows: the
        # history lasts as long as the page.
        page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('no', 'SecurityError'); }});"""})
        page.open()
        for equation in ["x^2-25", "x^2-36"]:
            page.solve(equation)
        self.assertIsNone(page.box())
        self.assertEqual(self.drop_down(), [["x^2-36=0", True], ["x^2-25=0", False]])


class FieldTextsPageTest(PageTest):
    """The texts of the shared table, typed, pasted and loaded from a file,
    give the table's field text and what parabel-cli gives for them."""

    def enter(self, way, text):
        page = self.page
        field = page.element("equation")
        page.keys((CTRL, "a"))  # Clear
        field.click()
        if way == "typed":
            # Characters beyond the keyboard's (an emoji) come as an input
            # method gives them.
            if all(ord(character) <= 0xFFFF for character in text):
                field.send_keys(text)
            else:
                page.driver.execute_cdp_cmd("Input.insertText", {"text": text})
            page.keys(Keys.ENTER)
        elif way == "pasted":
            clipboard_text(page, text)
            page.keys((CTRL, "v"), Keys.ENTER)
        else:
            with tempfile.NamedTemporaryFile(suffix=".txt", delete=False) as file:
                file.write(b"\xef\xbb\xbf" + text.encode() + b"\r\n")
            page.keys((CTRL, "l"))
            page.element("load-file").send_keys(file.name)
            page.until(lambda: field.get_attribute("value") != "" or page.box())
            os.unlink(file.name)

    def test_typed_pasted_and_loaded(self):
        clipboard_allowed(self, self.page, True)
        with open(FIELD_TEXTS, encoding="utf-8") as table:
            rows = json.load(table)
        for row in rows:
            lines, message, _ = self.cli.solution(",", row["text"])
            for way in ["typed", "pasted", "loaded"]:
                with self.subTest(note=row["note"], way=way):
                    self.enter(way, row["text"])
                    page = self.page
                    if "answer" in row:
                        page.until(lambda: page.lines())
                        self.assertIsNone(page.box())
                        self.assertEqual(page.lines()[-1], row["answer"])
                        self.assertEqual(page.lines(), lines)
                    else:
                        self.assertEqual(page.until(page.box), ["Error", message])
                        page.dismiss()
                        self.assertEqual(page.lines(), lines)
                    self.assertEqual(page.element("equation").get_attribute("value"), row["field"])
