"""A solution handed on from the page: printed (the browser's print, as
headless Chromium writes it to PDF), sent as a link, found again in the
history; and the shared field texts typed, pasted and loaded. Run by
browser_test.py."""
import base64
import html
import json
import os
import re
import subprocess
import tempfile
import time

from PIL import Image
from selenium.webdriver.common.keys import Keys

from browser import Page, bmp_rgb
from page_test_case import REFUSED, PageTest

CTRL, ALT, SHIFT, UP, DOWN = Keys.CONTROL, Keys.ALT, Keys.SHIFT, Keys.ARROW_UP, Keys.ARROW_DOWN
NOTHING = ["Ошибка", "Нечего печатать: решите уравнение, и его решение с графиком можно будет напечатать."]
DOTS = 6  # per picture pixel, at 600 dots per inch


def run(*command):
    return subprocess.run(command, capture_output=True, check=True).stdout


def clipboard(test, text=None, allowed=True):
    """Allows or refuses the page's writes; puts `text` on the clipboard as
    another program would, or reads it."""
    for name, setting in [("clipboard-read", "granted"), ("clipboard-write", "granted" if allowed else "denied")]:
        test.page.driver.execute_cdp_cmd("Browser.setPermission", {
            "origin": test.site.url.rstrip("/"), "permission": {"name": name}, "setting": setting})
    script = "navigator.clipboard.writeText(%s).then(() => '')" % json.dumps(text) if text is not None else \
        "navigator.clipboard.readText()"
    return test.page.driver.execute_cdp_cmd("Runtime.evaluate", {
        "expression": script, "awaitPromise": True, "userGesture": True})["result"]["value"]


def field(page):
    return page.element("equation").get_attribute("value")


class PrintPageTest(PageTest):
    """One page, on the paper of the browser's language: the equation line
    and the list's lines as text, the panel's pixels as 6 x 6 dots of 600
    dpi, the footer; nothing to print before a solve and after Clear."""

    def print_by(self, page, route):
        page.js("window.prints = 0; window.print = () => (window.prints += 1);")  # no dialog here
        if route == "menu":
            page.element("menu-file").click()
            page.element("cmd-print").click()
        elif route == "toolbar":
            page.driver.find_element("css selector", '.tool[data-command="print"]').click()
        else:
            page.keys((CTRL, SHIFT, "p"))
        return page.until(lambda: page.js("return window.prints") or page.box())

    def check_printed(self, page, separator, paper, folder):
        lines, _, _ = self.cli.solution(separator, field(page))
        width, height, pixels = bmp_rgb(self.cli.picture(separator, field(page)))
        days = {time.strftime("%d.%m.%Y")}
        pdf = os.path.join(folder, "page.pdf")
        with open(pdf, "wb") as file:
            data = page.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
            file.write(base64.b64decode(data))
        days.add(time.strftime("%d.%m.%Y"))
        self.assertRegex(run("pdfinfo", pdf).decode(), r"Pages: +1\n(.*\n)*Page size: .*\(%s\)" % paper)
        text = [line for line in run("pdftotext", pdf, "-").decode().split("\n") if line.strip()]
        self.assertEqual(text[:-2], [field(page)] + [line for line in lines if line.strip()])
        self.assertEqual((text[-2][:8], text[-1] in days), ("Parabel ", True))
        # The picture the file holds, and its dots where the page shows it
        # at 600 dpi (each square's centre, within a renderer's rounding).
        self.assertRegex(run("pdfimages", "-list", pdf).decode(), r" 1932 +2028 .* 600 +600 ")
        run("pdfimages", "-png", pdf, os.path.join(folder, "image"))
        held = Image.open(os.path.join(folder, "image-000.png")).convert("RGB").tobytes()
        picture = Image.frombytes("RGB", (width, height), pixels)
        self.assertEqual(held, picture.resize((width * DOTS, height * DOTS), Image.NEAREST).tobytes())
        left, top = page.js("""return document.querySelector('#printed-page canvas').style.transform
            .match(/translate\\(([\\d.]+)mm, ([\\d.]+)mm\\)/).slice(1).map(Number);""")
        run("pdftoppm", "-r", "600", "-x", str(round(left * 600 / 25.4) - DOTS), "-y",
            str(round(top * 600 / 25.4) - DOTS), "-W", str((width + 2) * DOTS), "-H", str((height + 2) * DOTS),
            "-png", "-singlefile", pdf, os.path.join(folder, "plot"))
        shown = Image.open(os.path.join(folder, "plot.png")).convert("RGB")
        self.assertEqual({shown.getpixel((0, 0)), shown.getpixel((shown.width - 1, shown.height - 1))},
                         {(255, 255, 255)})
        wrong = [(x, y) for y in range(height) for x in range(width) if max(map(
            lambda a, b: abs(a - b), shown.getpixel((x * DOTS + DOTS * 3 // 2, y * DOTS + DOTS * 3 // 2)),
            picture.getpixel((x, y)))) > 2]
        self.assertEqual(wrong[:5], [])

    def test_printed_page_and_nothing_to_print(self):
        self.assertEqual(self.print_by(self.page, "keys"), NOTHING)
        self.page.dismiss()
        # An American browser's paper and separator, the page in Russian
        # for this visit as parabel-cli writes.
        english = Page(self.site.url + "?lang=ru", "en-US", self.size)
        try:
            for page, separator, paper, route, equation in [
                    (self.page, ",", "A4", "keys", "x^2-5x+6"), (self.page, ",", "A4", "menu", "-x^2+2x+3"),
                    (self.page, ",", "A4", "toolbar", "0,25x^2-x-3"), (english, ".", "letter", "keys", "x^2-2.5x+1")]:
                with self.subTest(route=route, equation=equation), tempfile.TemporaryDirectory() as folder:
                    page.solve(equation)
                    self.assertEqual(self.print_by(page, route), 1)
                    self.check_printed(page, separator, paper, folder)
        finally:
            english.close()
        self.page.keys((CTRL, "a"))
        for route in ["keys", "toolbar"]:
            self.assertEqual(self.print_by(self.page, route), NOTHING)
            self.page.dismiss()
        # The browser's own print command then prints the same words, not an
        # empty sheet.
        with tempfile.TemporaryDirectory() as folder:
            pdf = os.path.join(folder, "nothing.pdf")
            with open(pdf, "wb") as file:
                data = self.page.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
                file.write(base64.b64decode(data))
            self.assertEqual(" ".join(run("pdftotext", pdf, "-").decode().split()), NOTHING[1])

    def test_long_lines_wrap_and_a_failed_solve_prints_what_is_saved(self):
        """At the list's size (pdftotext's word boxes at least 10 points
        high), within the margins, onto further sheets; after a failure the
        saved lines and the message, and no plot."""
        margin = 20 * 72 / 25.4
        for before, equation, fails in [
                ("", "x^2-" + "0" * 141 + "5x+6", False), ("", "x^2-" + "0" * 3000 + "5x+6", False),
                ("x^2+2x+5", "x^2-1e400x", True), ("x^2-4", "x^2-5y+6", True)]:
            with self.subTest(equation=equation[:20]), tempfile.TemporaryDirectory() as folder:
                for typed in filter(None, [before, equation]):
                    self.page.solve(typed)
                _, message, saved = self.cli.solution(",", field(self.page))
                if fails:
                    self.page.dismiss()
                self.assertEqual(self.print_by(self.page, "keys"), 1)
                pdf = os.path.join(folder, "page.pdf")
                with open(pdf, "wb") as file:
                    data = self.page.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
                    file.write(base64.b64decode(data))
                boxes = run("pdftotext", "-bbox", pdf, "-").decode()
                width, height = map(float, re.search(r'<page width="([\d.]+)" height="([\d.]+)"', boxes).groups())
                words = [(float(x0), float(y0), float(x1), float(y1), html.unescape(text)) for x0, y0, x1, y1, text in
                         re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<', boxes)]
                body = [word for word in words if word[1] < height - margin]
                # (A word of underscores has the height of its strokes.)
                self.assertEqual([word for word in body if word[3] - word[1] < 11 and re.search(r"[^\W_]", word[4])
                                  or word[0] < margin - 1 or word[2] > width - margin + 1], [])
                expected = saved.decode("cp1251") + (message if fails else "")
                self.assertEqual("".join(word[4] for word in body), "".join(expected.split()))
                self.assertEqual(boxes.count("<page ") > 1, len(equation) > 1000)
                images = re.findall(r"^ *\d+ +\d+ +image ", run("pdfimages", "-list", pdf).decode(), re.M)
                self.assertEqual(len(images), 0 if fails else 1)


class LinkPageTest(PageTest):
    """Opened by an address with an equation the page is solved; the address
    follows each solve in place; the link copied is the equation's."""

    def check_solved(self, page, equation):
        lines, message, _ = self.cli.solution(",", equation)
        if message:
            self.assertEqual(page.until(page.box), ["Error", message])
            page.dismiss()
        else:
            self.assertEqual(page.canvas_rgb(), bmp_rgb(self.cli.picture(",", equation)))
        self.assertEqual((field(page), page.lines(), page.box()), (equation, lines, None))

    def test_opened_by_address_and_following_it(self):
        page = self.page
        for fragment, equation in [("#x^2-5x+6", "x^2-5x+6=0"), ("#X%C2%B2-4=0", "x^2-4=0"),
                                   ("#%D1%85^2-1", "х^2-1"), ("#0,5x%5E2+x-12", "0,5x^2+x-12=0"),
                                   ("#5+3", "5+3")]:
            with self.subTest(fragment=fragment):
                page.driver.get("about:blank")  # a visit, not a move within the page
                page.driver.get(self.site.url + fragment)
                page.wait_ready()
                self.check_solved(page, equation)
        for fragment, equation in [("#x^2+2x-3", "x^2+2x-3=0"), ("#x^2+zx", "x^2+zx")]:
            with self.subTest(typed_address=fragment):
                page.keys((CTRL, "a"))  # a failed solve leaves the list as it was
                page.js("location.hash = arguments[0]", fragment)
                page.until(lambda: field(page) == equation)
                self.check_solved(page, equation)
        steps = page.js("return history.length")
        # The address carries the equation solved, never one that failed (it
        # would open as another) nor one too long to hand on (9000 and more).
        for equation, carried in [("x^2-9", True), ("x^2+1", True), ("x^2-9", True), ("5+3", False),
                                  ("x^2-5x+6=0=0", False), ("x^2-5x" + " " * 3000 + "+6", False),
                                  ("-x^2+4x", True)]:
            page.solve(equation)
            if page.box():
                page.dismiss()
            self.assertSoon(lambda: page.js("return decodeURIComponent(location.hash.slice(1))"),
                            field(page) if carried else "")
        self.assertEqual(page.js("return history.length"), steps)
        page.keys((CTRL, "a"))
        self.assertSoon(lambda: page.js("return location.href"), self.site.url)

    def test_address_changed_under_a_box(self):
        """A change of the address while a box or the full-screen view is
        open leaves the window behind as it is, and is obeyed once it has
        closed."""
        page = self.page
        page.solve("x^2-4")
        opened = """return [...document.querySelectorAll('dialog[open]')].map((box) => box.id)
                    .concat(document.getElementById('fullscreen').hidden ? [] : ['fullscreen'])"""
        for keys, shown, fragment, equation in [
                (Keys.F1, "about-box", "#x^2-1", "x^2-1=0"), ((CTRL, "s"), "save-box", "#x^2-9", "x^2-9=0"),
                ((CTRL, ALT, "e"), "message-box", "#x^2-16", "x^2-16=0"),
                ((CTRL, "p"), "fullscreen", "#x^2-25", "x^2-25=0")]:
            with self.subTest(shown=shown):
                page.keys(keys)
                page.until(lambda: page.js(opened) == [shown])
                behind = [field(page), page.lines()]
                # The test's own listener hears the change after the page's.
                page.js("""window.heard = false;
                           addEventListener('hashchange', () => (window.heard = true), {once: true});
                           location.hash = arguments[0];""", fragment)
                page.until(lambda: page.js("return window.heard"))
                self.assertEqual([field(page), page.lines(), page.js(opened)], behind + [[shown]])
                page.keys(Keys.ESCAPE)
                page.until(lambda: field(page) == equation)
                self.check_solved(page, equation)

    def test_copied_link(self):
        page = self.page
        for equation, allowed in [("x^2-5x+6", True), ("x^2 -1", True), ("-0,5x^2+x+4", True), ("x^2", False)]:
            with self.subTest(equation=equation, allowed=allowed):
                page.solve(equation)
                if page.box():
                    page.dismiss()
                solved = field(page)
                clipboard(self, "" if allowed else None, allowed)
                page.element("menu-file").click()
                page.element("cmd-copy-link").click()
                if not allowed:  # told as every refused copy is
                    self.assertEqual(page.until(page.box), REFUSED)
                    page.dismiss()
                    continue
                link = page.until(lambda: clipboard(self))
                self.assertTrue(link.startswith(self.site.url + "#"), link)
                page.driver.get("about:blank")
                page.driver.get(link)
                page.wait_ready()
                self.check_solved(page, solved)


class HistoryPageTest(PageTest):
    """The equations solved, newest first, kept across a reload; Up and Down
    in the field, the drop-down, the clear command; damaged or refused
    storage never shows a box."""

    def drop_down(self, keys=None):
        """Opens the drop-down (by its button, or by keys); its options as
        [text, highlighted or disabled]."""
        if keys:
            self.page.keys(keys)
        else:
            self.page.element("history-button").click()
        return self.page.until(lambda: self.page.js("""const list = document.getElementById('history-list');
            return !list.hidden && [...list.children].map(o => [o.textContent,
                o.getAttribute('aria-selected') === 'true' || o.hasAttribute('aria-disabled')]);"""))

    def stored(self):
        return self.page.js("return localStorage.getItem('Parabel.history')")

    def test_kept_walked_listed_and_cleared(self):
        page = self.page
        for equation in ["x^2-1", "5+3", "x^2-4", "x^2-9", "x^2-1"]:
            page.solve(equation)
            if page.box():
                page.dismiss()
        a, b, c = kept = ["x^2-1=0", "x^2-9=0", "x^2-4=0"]
        page.open()  # at once: what the page writes after a solve is written as it is left
        self.assertEqual(self.stored(), "".join(e + "\n" for e in kept))
        page.element("equation").send_keys("x^2")
        # Older to the oldest, newer back to what was typed; typing ends a walk.
        for key, text in [(UP, a), (UP, b), (UP, c), (UP, c), (DOWN, b), (DOWN, a), (DOWN, "x^2"),
                          (DOWN, "x^2"), (UP, a), ("5", a + "5"), (UP, a)]:
            page.keys(key)
            self.assertEqual(field(page), text)
        # The drop-down chooses into the field, without solving, as the window's.
        self.assertEqual(self.drop_down(), [[a, True], [b, False], [c, False]])
        page.keys(DOWN, DOWN, Keys.ENTER)
        self.assertEqual([field(page), page.lines(), page.js("return document.activeElement.id")], [c, [], "equation"])
        self.assertEqual(self.drop_down((ALT, DOWN))[0], [a, True])
        page.keys(Keys.ESCAPE)
        self.assertEqual([field(page), page.js("return document.activeElement.id")], [c, "equation"])
        self.drop_down()
        page.driver.find_elements("css selector", "#history-list li")[1].click()
        self.assertEqual(field(page), b)
        page.element("menu-settings").click()
        page.element("cmd-clear-history").click()
        page.until(lambda: self.stored() == "")
        page.open()
        self.assertEqual(self.drop_down(), [["Решённых уравнений нет", True]])

    def test_tabs_add_to_one_history(self):
        """Two tabs of one browser that solve in turn keep each other's equations."""
        page = self.page
        first = page.driver.current_window_handle
        page.driver.switch_to.new_window("tab")
        page.open()
        tabs = [first, page.driver.current_window_handle]
        kept = None
        for tab, equation in [(0, "x^2-1"), (1, "x^2-2"), (0, "x^2-3"), (1, "x^2-4")]:
            page.driver.switch_to.window(tabs[tab])
            page.until(lambda: self.stored() == kept)  # the other tab's write has reached this one
            page.solve(equation)
            page.until(lambda: self.stored() != kept)
            kept = self.stored()
        self.assertEqual(kept, "x^2-4=0\nx^2-3=0\nx^2-2=0\nx^2-1=0\n")
        self.assertEqual([text for text, _ in self.drop_down()], kept.split())

    def test_damaged_or_refused_storage(self):
        page = self.page
        for damaged in ["x^2-1=0\n\nx^2-4=0\n", "x^2-1=0\nx^2-1=0\n", "x^2\u22121=0\n",
                        "".join("x^2-%d=0\n" % n for n in range(51))]:
            with self.subTest(damaged=damaged[:20]):
                page.js("localStorage.setItem('Parabel.history', arguments[0])", damaged)
                page.open()
                self.assertEqual([self.drop_down(), page.box()], [[["Решённых уравнений нет", True]], None])
                page.keys(Keys.ESCAPE)
                page.solve("x^2-16")
                self.assertSoon(self.stored, "x^2-16=0\n")
        # Storage refused, as in some private windows: kept while the page is.
        page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('', 'SecurityError'); }});"""})
        page.open()
        page.solve("x^2-25")
        page.solve("x^2-36")
        self.assertEqual([self.drop_down(), page.box()], [[["x^2-36=0", True], ["x^2-25=0", False]], None])


class FieldTextsPageTest(PageTest):
    """The shared table's texts typed, pasted and loaded from a file give
    the table's field text and what parabel-cli gives for them."""

    def enter(self, way, text):
        page = self.page
        page.keys((CTRL, "a"))  # Clear
        page.element("equation").click()
        if way == "loaded":
            with tempfile.NamedTemporaryFile(suffix=".txt") as file:
                file.write(b"\xef\xbb\xbf" + text.encode() + b"\r\n")
                file.flush()
                page.keys((CTRL, "l"))
                page.element("load-file").send_keys(file.name)
                page.until(lambda: field(page) or page.box())
            return
        if way == "pasted":
            clipboard(self, text)
            page.keys((CTRL, "v"))
        elif all(ord(character) <= 0xFFFF for character in text):
            page.element("equation").send_keys(text)
        else:  # an emoji, as a phone's keyboard gives it
            page.driver.execute_cdp_cmd("Input.insertText", {"text": text})
        page.keys(Keys.ENTER)

    def test_text_longer_than_the_field_is_refused_whole(self):
        """Pasted or loaded, a text longer than the field holds leaves the
        field and the list as they were, with parabel-cli's message."""
        page = self.page
        longer = "x^2-5x+" + "0" * 99992 + "6"
        _, message, _ = self.cli.solution(",", longer)
        page.solve("x^2-4")
        kept = [["x^2-4=0"], page.until(page.lines)]
        with tempfile.NamedTemporaryFile(suffix=".txt") as file:
            file.write(longer.encode() + b"\r\n")
            file.flush()
            for way in ["pasted", "loaded"]:
                with self.subTest(way=way):
                    page.element("equation").click()
                    if way == "pasted":
                        clipboard(self, longer)
                        page.keys((CTRL, "v"))
                    else:
                        page.keys((CTRL, "l"))
                        page.element("load-file").send_keys(file.name)
                    self.assertEqual(page.until(page.box), ["Ошибка", message])
                    page.dismiss()
                    self.assertEqual([[field(page)], page.lines()], kept)

    def test_typed_pasted_and_loaded(self):
        with open(os.path.join(os.path.dirname(__file__), "..", "app", "field_texts.json"), encoding="utf-8") as table:
            rows = json.load(table)
        for row in rows:
            lines, message, _ = self.cli.solution(",", row["text"])
            # A text with a line break is only pasted: typed, the break is
            # Enter, and a file's first line ends there.
            for way in ["pasted"] if row.get("pasted_only") else ["typed", "pasted", "loaded"]:
                with self.subTest(note=row["note"], way=way):
                    self.enter(way, row["text"])
                    if message:
                        self.assertEqual(self.page.until(self.page.box), ["Error", message])
                        self.page.dismiss()
                    else:
                        self.assertEqual(self.page.until(self.page.lines)[-1], row["answer"])
                    self.assertEqual([field(self.page), self.page.lines(), self.page.box()],
                                     [row["field"], lines, None])
