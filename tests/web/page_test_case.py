"""The base of the page's browser tests: a fresh static host and a fresh
headless Chromium for each test, and no console errors at its end. The
runner, browser_test.py, sets where the site and parabel-cli are."""
import unittest
from types import SimpleNamespace

from selenium.webdriver.common.keys import Keys

from browser import Page, Site

# Set by the runner before any test starts.
places = SimpleNamespace(site=None, cli=None)

# The box of a copy the browser's clipboard refused.
REFUSED = ["Ошибка", "Не удалось скопировать в буфер обмена: браузер не дал странице доступа к нему."]


class PageTest(unittest.TestCase):
    language = "ru"
    size = (900, 700)

    def setUp(self):
        self.site = Site(places.site)
        self.page = Page(self.site.url, self.language, self.size)
        self.cli = places.cli

    def tearDown(self):
        errors = self.page.console_errors()
        self.page.close()
        self.site.stop()
        self.assertEqual(errors, [], "the console reports errors")

    def assertSoon(self, read, expected, seconds=5):
        """What `read` reads becomes `expected`: for what the page writes
        once it has shown a command's result (the address, the history)."""
        try:
            self.page.until(lambda: read() == expected, seconds)
        except AssertionError:
            pass
        self.assertEqual(read(), expected)

    def save_dialog(self, name=None, choose_png=False):
        """Answers the save dialog that a command opened: the name it offers
        or `name` typed over it, the first type or PNG."""
        self.page.until(lambda: self.page.js("return document.getElementById('save-box').open"))
        if name:
            self.page.keys(name)
        if choose_png:
            self.page.js("document.getElementById('save-type').value = '1'")
        self.page.keys(Keys.ENTER)
