"""The worksheet dialog on the page: a handed-on address opens the sheet
that the shared table of seeds holds for it, with parabel-cli's answer
lines, and prints its sheets and keys; a wrong value in the address is
said, not changed; the File menu opens it, and an equation of its list
opens solved in the main window."""
import os

from page_test_case import PageTest, places

SEEDS = os.path.join(os.path.dirname(__file__), "..", "app", "worksheet_seeds.tsv")

# The sheets of the shared table opened by address: (seed, count, variants,
# kinds, separator), each in the browser language of its separator.
OPENED = [("1", "12", "2", "all", "."), ("99", "10", "1", "decimal", ",")]

DIALOG_EQUATIONS = """
    return [...document.querySelectorAll('#worksheet-list section')].map((section) =>
        [...section.querySelectorAll('li')].map((item) => [
            item.querySelector('.worksheet-equation').dataset.equation,
            item.querySelector('.worksheet-answer').textContent]));
"""
PRINTED_LINES = """
    return [...document.querySelectorAll('#printed-page .printed-sheet')].map((sheet) =>
        [...sheet.querySelectorAll('.printed-line')].map((line) => line.textContent));
"""


def table_variants(seed, count, variants, kinds, separator):
    """The equations of each variant of a sheet, as the shared table lists them."""
    found = {}
    with open(SEEDS, encoding="utf-8") as table:
        for line in table:
            if line.startswith("#") or not line.strip():
                continue
            row = line.rstrip("\n").split("\t")
            if row[:5] == [seed, count, variants, kinds, separator]:
                found[int(row[5])] = row[6].split(" ")
    return [found[number] for number in sorted(found)]


def cli_answers(separator, seed, count, variants, kinds):
    """Each variant's answer lines as parabel-cli worksheet --key prints them."""
    arguments = ["worksheet", "--seed", seed, "--count", count, "--variants", variants]
    if kinds != "all":
        arguments += ["--kinds", kinds]
    output = places.cli.run(separator, *arguments, "--key").stdout.decode()
    blocks = [block for block in output.split("\n\n") if block]
    return [[line.strip() for line in block.split("\n") if line.startswith("   ")] for block in blocks]


class WorksheetAddressTest(PageTest):
    def open_address(self, fragment, language):
        if language != self.page.js("return navigator.language"):
            self.page.close()
            from browser import Page
            self.page = Page(self.site.url, language, self.size, wait=False)
        # A fresh visit: the open dialog holds a mere change of the fragment
        # back, as any box does. The page in Russian whatever the browser's
        # language, as parabel-cli speaks.
        self.page.driver.get("about:blank")
        self.page.url = self.site.url + "?lang=ru" + fragment
        self.page.open()
        self.page.until(lambda: self.page.js("return document.getElementById('worksheet-box').open"))

    def test_handed_on_sheets_and_their_keys(self):
        for seed, count, variants, kinds, separator in OPENED:
            with self.subTest(seed=seed):
                names = "whole,fractions,one,none,decimal,incomplete" if kinds == "all" else kinds
                fragment = f"#worksheet={seed}&count={count}&variants={variants}&kinds={names}"
                self.open_address(fragment, "en" if separator == "." else "ru")
                shown = self.page.js(DIALOG_EQUATIONS)
                self.assertEqual([[equation for equation, _ in variant] for variant in shown],
                                 table_variants(seed, count, variants, kinds, separator))
                answers = cli_answers(separator, seed, count, variants, kinds)
                self.assertEqual([[answer for _, answer in variant] for variant in shown], answers)
                # Print: every variant's sheet, both columns, then its key
                # with the same answer lines.
                self.page.js("window.prints = 0; window.print = () => (window.prints += 1);")
                self.page.element("worksheet-print").click()
                self.page.until(lambda: self.page.js("return window.prints"))
                sheets = self.page.js(PRINTED_LINES)
                keys = [sheet for sheet in sheets if sheet[0].startswith("Ответы")]
                self.assertEqual(len(keys), int(variants))
                self.assertEqual([[line for line in key if line.startswith("Ответ:")] for key in keys], answers)
                printed = "\n".join(line for sheet in sheets[:int(variants)] for line in sheet)
                self.assertIn(f"{count}) {shown[-1][-1][0]}=0", printed)

    def test_wrong_values_are_said(self):
        for fragment, field, shown, said in [
            ("#worksheet=7&count=41", "worksheet-count", "41", "«41»"),
            ("#worksheet=7&variants=0", "worksheet-variants", "0", "«0»"),
            ("#worksheet=x7", "worksheet-seed", "x7", "«x7»"),
            ("#worksheet=7&kinds=whole,two", None, None, "«two»"),
            ("#worksheet=7&colour=red", None, None, "«colour=red»"),
        ]:
            with self.subTest(fragment=fragment):
                self.open_address(fragment, "ru")
                error = self.page.element("worksheet-error")
                self.assertTrue(error.is_displayed())
                self.assertIn(said, error.text)
                if field:
                    self.assertEqual(self.page.element(field).get_attribute("value"), shown)
                self.assertEqual(self.page.js(DIALOG_EQUATIONS), [])
                self.assertFalse(self.page.element("worksheet-print").is_enabled())


class WorksheetCommandTest(PageTest):
    def test_from_the_file_menu_to_a_solved_equation(self):
        page = self.page
        page.element("menu-file").click()
        page.element("cmd-worksheet").click()
        page.until(lambda: page.js("return document.getElementById('worksheet-box').open"))
        page.element("worksheet-seed").clear()
        page.element("worksheet-seed").send_keys("42")
        page.js("document.querySelectorAll('#worksheet-kinds input').forEach((box) => {"
                " box.checked = box.value === 'whole'; });")
        count = page.element("worksheet-count")
        count.clear()
        count.send_keys("6")
        self.assertIn("#worksheet=42&count=6&variants=1&kinds=whole", page.js("return location.href"))
        [equations] = page.js(DIALOG_EQUATIONS)
        self.assertEqual([equation for equation, _ in equations], table_variants("42", "6", "1", "whole", ".")[0])
        third = page.driver.find_elements("css selector", ".worksheet-equation")[2]
        third.click()
        page.until(lambda: page.lines())
        self.assertFalse(page.js("return document.getElementById('worksheet-box').open"))
        self.assertEqual(page.element("equation").get_attribute("value"), equations[2][0] + "=0")
        self.assertEqual(page.lines(), self.cli.solution(",", equations[2][0])[0])
