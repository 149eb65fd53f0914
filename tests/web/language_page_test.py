"""The page's interface language: every text of the page in the tests'
pseudo-language (each line marked "‹…›", nothing cut off), the choice from
the address, the browser's storage and the browser's languages, a change
from the menu with a solution shown and across a reload, and the English
worked solution against parabel-cli's."""
from selenium.webdriver.common.keys import Keys

from browser import Page
from page_test_case import PageTest, places

CTRL, ALT = Keys.CONTROL, Keys.ALT

# The texts of the page's own elements in view, each as [where, text,
# cut off]: cut off when a one-line text is wider than its element.
VISIBLE_TEXTS = """
    const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
    const oneLine = (e) => getComputedStyle(e).whiteSpace.startsWith('nowrap') || e.matches(arguments[1]);
    return [...document.querySelectorAll(arguments[0])].filter(shown).map((e) => [
        e.id || e.className || e.localName, e.innerText, oneLine(e) && e.scrollWidth > e.clientWidth]);
"""
# Elements whose text is the page's, not the user's or the author's.
OWN = (".menu-title, .menu-item:not([data-language]) > span:first-child, .caption, .box-text, .box-buttons button, "
       "label, .about-panel > span:not(#about-author):not(.about-place), #history-list li[aria-disabled], "
       "#save-type option")
ONE_LINE = ".menu-title, .menu-item > span, .caption, .box-buttons button, label"


def marked(text):
    """Whether every line of a text is wrapped as the pseudo-language wraps it."""
    return all(line.startswith("\u2039") and line.endswith("\u203a") for line in text.split("\n") if line)


class PseudoLanguageTest(PageTest):
    """Each state that shows texts, reached as a user reaches it."""

    def setUp(self):
        super().setUp()
        self.page.url = self.site.url + "?lang=x-pseudo"
        self.page.open()

    def check_shown(self, state):
        texts = self.page.js(VISIBLE_TEXTS, OWN, ONE_LINE)
        self.assertTrue(texts, state)
        for where, text, cut in texts:
            with self.subTest(state=state, element=where, text=text):
                self.assertTrue(marked(text))
                self.assertFalse(cut, "cut off")

    def check_hints(self):
        hints = self.page.js("return [...document.querySelectorAll('[data-hint]')].map((e) => e.dataset.hint)")
        self.assertGreater(len(hints), 20)
        for hint in hints:
            with self.subTest(hint=hint):
                self.assertTrue(marked(hint))
        self.page.element("equation").click()
        self.assertTrue(marked(self.page.status()))

    def test_every_state_in_the_pseudo_language(self):
        page = self.page
        self.check_hints()
        # Each menu and submenu open in turn.
        for title in ["menu-file", "menu-settings", "menu-help"]:
            page.element(title).click()
            for opener in page.driver.find_elements("css selector", "[role='menu']:not([hidden]) [aria-haspopup]"):
                opener.click()
            self.check_shown(title)
            self.assertTrue(marked(page.status()) or page.status() == "")
            page.keys(Keys.ESCAPE)
        page.keys(Keys.ESCAPE)
        page.solve("x^2-5x+6")
        self.check_shown("solved")
        self.assertTrue(marked(page.js("return document.getElementById('plot-description').textContent")))
        page.solve("5+3")
        self.assertTrue(all(marked(text) for text in page.until(page.box)))
        self.check_shown("error box")
        page.dismiss()
        for keys, shown in [((CTRL, "s"), "save-box"), (Keys.F1, "about-box")]:
            page.keys(keys)
            page.until(lambda: page.js("return document.getElementById(arguments[0]).open", shown))
            self.check_shown(shown)
            page.keys(Keys.ESCAPE)
            page.until(lambda: not page.js("return document.getElementById(arguments[0]).open", shown))
        page.element("menu-settings").click()
        page.element("cmd-clear-history").click()
        page.until(lambda: page.js("return localStorage.getItem('Parabel.history') === ''") or
                   page.js("return document.getElementById('menu-settings').getAttribute('aria-expanded') === 'false'"))
        page.element("history-button").click()
        page.until(lambda: not page.js("return document.getElementById('history-list').hidden"))
        self.check_shown("history")
        page.keys(Keys.ESCAPE)
        page.keys((CTRL, ALT, "e"))
        self.check_shown("exit question")
        page.keys(Keys.ENTER)  # Yes
        page.until(lambda: page.js("return !!document.getElementById('start-again')"))
        texts = page.js("return document.querySelector('main.ended').innerText").split("\n")
        self.assertTrue(all(marked(text) for text in texts if text))


def menu_language(page):
    """The language the page speaks, by its <html lang> and the File menu's title."""
    return page.js("return document.documentElement.lang"), page.element("menu-file").text


RUSSIAN, ENGLISH = ("ru", "Файл"), ("en", "File")


class ChosenLanguageTest(PageTest):
    """Which language a visit speaks, for each browser language, kept value
    and address, as (kept, address, spoken)."""

    CHOICES = {
        "ru": [(None, "", RUSSIAN), ("en\n", "", ENGLISH), ("garbage\n", "", RUSSIAN),
               ("ru\n", "?lang=en", ENGLISH), ("\u0000\ufffd", "?lang=de", RUSSIAN)],
        "en": [(None, "", ENGLISH), ("ru\n", "", RUSSIAN), ("x-pseudo-not", "", ENGLISH)],
        "de": [(None, "", RUSSIAN), (" en \n", "", ENGLISH)],
    }

    def test_choice_by_address_storage_and_browser(self):
        for language, rows in self.CHOICES.items():
            page = self.page if language == "ru" else Page(self.site.url, language, self.size)
            try:
                for kept, address, spoken in rows:
                    with self.subTest(browser=language, kept=kept, address=address):
                        if kept is None:
                            page.js("localStorage.removeItem('language')")
                        else:
                            page.js("localStorage.setItem('language', arguments[0])", kept)
                        page.driver.get(self.site.url + address)
                        page.wait_ready()
                        self.assertEqual(menu_language(page), spoken)
                        self.assertIsNone(page.box())
                        # Choosing nothing keeps what was kept.
                        self.assertEqual(page.js("return localStorage.getItem('language')"), kept)
            finally:
                if page is not self.page:
                    self.assertEqual(page.console_errors(), [])
                    page.close()

    def choose(self, code):
        self.page.element("menu-settings").click()
        self.page.element("menu-language").click()
        self.page.element("language-" + code).click()
        self.page.until(lambda: self.page.js("return document.documentElement.lang") == code)

    def test_change_with_a_solution_shown_and_a_reload(self):
        page = self.page
        page.solve("x^2-5x+6")
        russian = page.lines()
        self.assertEqual(russian, self.cli.solution(",", "x^2-5x+6")[0])
        plot = page.canvas_rgb()
        for code, spoken in [("en", ENGLISH), ("ru", RUSSIAN), ("en", ENGLISH)]:
            with self.subTest(code=code):
                self.choose(code)
                self.assertEqual(menu_language(page), spoken)
                self.assertEqual(page.js("return localStorage.getItem('language')"), code + "\n")
                self.assertEqual(page.element("equation").get_attribute("value"), "x^2-5x+6=0")
                self.assertEqual(page.canvas_rgb(), plot)
                shown = page.lines()
                self.assertEqual(shown == russian, code == "ru")
                # The list is what a solve in this language writes.
                description = page.js("return document.getElementById('plot-description').textContent")
                page.solve("x^2-5x+6")
                self.assertEqual(page.lines(), shown)
                self.assertEqual(page.js("return document.getElementById('plot-description').textContent"),
                                 description)
                self.assertEqual(page.element("cmd-solve").get_attribute("data-hint"),
                                 {"en": "Solve !!! (Enter)", "ru": "Решать !!! (Enter)"}[code])
        english = page.lines()
        page.open()
        self.assertEqual(menu_language(page), ENGLISH)
        page.solve("x^2-5x+6")
        self.assertEqual(page.lines(), english)
        self.assertEqual(page.js("return document.querySelector('[aria-checked=true]').id"), "language-en")


def cli_speaks_english(cli):
    # parabel-cli's --language comes from another branch; until it is merged
    # the English lines are not compared. Once its usage names the option, a
    # call this test makes wrongly fails rather than skips.
    return b"--language" in cli.run(".", "--help").stdout


class EnglishSolutionTest(PageTest):
    """The worked solution in English is parabel-cli's in English, with the
    browser language's separator."""
    language = "en"

    def test_english_lines_are_the_cli_s(self):
        if not cli_speaks_english(self.cli):
            self.skipTest("parabel-cli has no --language yet")
        for equation in ["x^2-5x+6", "x^2+2x+1", "x^2+1", "0.5x^2+x-12", "5+3"]:
            with self.subTest(equation=equation):
                self.page.keys((CTRL, "a"))
                self.page.solve(equation)
                expected = places.cli.run(".", "--language", "en", "solve", "--values", equation)
                if expected.stderr:
                    self.assertEqual(self.page.until(self.page.box)[1], expected.stderr.decode().rstrip("\n"))
                    self.page.dismiss()
                self.assertEqual(self.page.lines(), expected.stdout.decode().split("\n")[1:-3])
