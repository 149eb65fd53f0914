"""The page in Debian's headless Chromium, driven as a user drives it, and
parabel-cli, which writes what the desktop program shows and saves.

Run by Debian's /usr/bin/python3 (its selenium module): see browser_test.py.
"""
import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

CHROMIUM_FLAGS = (
    "--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
    "--disable-background-networking --disable-component-update --disable-sync"
).split()


class Site:
    """The site folder served on a free loopback port until stopped."""

    def __init__(self, folder, delays=None, headers=None):
        """`delays`: seconds to wait before serving a file, by its name;
        `headers`: sent with every file, such as a static host's
        {"Cache-Control": "max-age=600"}."""
        handler = functools.partial(QuietHandler, directory=folder, delays=delays or {},
                                    headers=headers or {})
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def __init__(self, *args, delays, headers, **kwargs):
        self.delays = delays
        self.extra_headers = headers
        super().__init__(*args, **kwargs)

    def do_GET(self):
        time.sleep(self.delays.get(self.path.rsplit("/", 1)[-1], 0))
        super().do_GET()

    def end_headers(self):
        for name, value in self.extra_headers.items():
            self.send_header(name, value)
        super().end_headers()

    def log_message(self, *args):
        pass


class Page:
    """One Chromium with the page open, in a language, downloads to a folder."""

    def __init__(self, url, language="ru", size=(900, 700), scale=None, wait=True):
        self.profile = tempfile.mkdtemp(prefix="parabel-chromium-")
        self.downloads = tempfile.mkdtemp(prefix="parabel-downloads-")
        options = Options()
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        options.add_argument("--lang=" + language)
        options.add_argument("--window-size=%d,%d" % size)
        if scale:
            options.add_argument("--force-device-scale-factor=%s" % scale)
        # A user asked once allows a page's downloads after the first.
        options.add_experimental_option("prefs", {
            "intl.accept_languages": language,
            "profile.default_content_setting_values.automatic_downloads": 1})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        options.binary_location = "/usr/bin/chromium"
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})
        # A file picker waits for the file the test gives it, as a user's does.
        self.driver.execute_cdp_cmd("Page.setInterceptFileChooserDialog", {"enabled": True})
        self.url = url
        self.open(wait)

    def open(self, wait=True):
        self.driver.get(self.url)
        if wait:
            self.wait_ready()

    def wait_ready(self):
        self.until(lambda: self.js("return document.documentElement.dataset.ready === 'true'"))

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
        shutil.rmtree(self.downloads, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def until(self, condition, seconds=10):
        end = time.monotonic() + seconds
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > end:
                raise AssertionError("waited %s s in vain" % seconds)
            time.sleep(0.02)

    def element(self, id):
        return self.driver.find_element("id", id)

    def keys(self, *keys):
        """Presses keys; a tuple is a chord, such as (Keys.CONTROL, "s")."""
        chain = ActionChains(self.driver)
        for key in keys:
            if isinstance(key, tuple):
                *modifiers, last = key
                for modifier in modifiers:
                    chain.key_down(modifier)
                chain.send_keys(last)
                for modifier in reversed(modifiers):
                    chain.key_up(modifier)
            else:
                chain.send_keys(key)
        chain.perform()

    def solve(self, equation):
        """Types the equation into an empty field and presses Enter."""
        field = self.element("equation")
        field.click()
        self.js("arguments[0].value = ''", field)
        field.send_keys(equation)
        field.send_keys(Keys.ENTER)

    def lines(self):
        return self.js("return [...document.querySelectorAll('#solution li')].map(li => li.textContent)")

    def box(self):
        """The open message box as (caption, text), or None."""
        return self.js("""
            const box = document.getElementById('message-box');
            return box.open ? [document.getElementById('message-caption').textContent,
                               document.getElementById('message-text').textContent] : null;""")

    def dismiss(self):
        self.until(self.box)
        self.js("document.querySelector('#message-buttons button').click()")
        self.until(lambda: not self.box())

    def status(self, id="status"):
        return self.element(id).text

    def canvas_rgb(self, id="plot"):
        """The canvas's pixels as (width, height, bytes R G B per pixel)."""
        width, height, data = self.js("""
            const canvas = document.getElementById(arguments[0]);
            const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
            let text = '';
            for (let i = 0; i < pixels.length; i += 4) {
                text += String.fromCharCode(pixels[i], pixels[i + 1], pixels[i + 2]);
            }
            return [canvas.width, canvas.height, btoa(text)];""", id)
        return width, height, base64.b64decode(data)

    def point(self, id, x, y):
        """Moves the pointer onto picture pixel (x, y) of a canvas."""
        left, top, scale = self.js("""
            const canvas = document.getElementById(arguments[0]);
            const box = canvas.getBoundingClientRect();
            return [box.left, box.top, box.width / canvas.width];""", id)
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
            "type": "mouseMoved", "x": left + (x + 0.5) * scale, "y": top + (y + 0.5) * scale})

    def downloaded(self, name):
        """The bytes of the download `name`, once it is complete."""
        path = os.path.join(self.downloads, name)
        self.until(lambda: os.path.exists(path) and not any(
            n.endswith(".crdownload") for n in os.listdir(self.downloads)))
        with open(path, "rb") as file:
            return file.read()

    def console_errors(self):
        return [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


def bmp_rgb(data):
    """A 32-bit BMP of parabel's as (width, height, R G B bytes, top row first)."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, depth = struct.unpack_from("<iiHH", data, 18)
    assert depth == 32
    rows = []
    for y in range(height - 1, -1, -1):
        row = data[offset + y * width * 4: offset + (y + 1) * width * 4]
        rows.append(bytes(b for i in range(0, len(row), 4) for b in (row[i + 2], row[i + 1], row[i])))
    return width, height, b"".join(rows)


class Cli:
    """parabel-cli, under a locale with '.' or with ',' as the separator."""

    def __init__(self, program):
        self.program = program
        self.locales = tempfile.mkdtemp(prefix="parabel-locales-")
        subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8",
                        os.path.join(self.locales, "ru_RU.UTF-8")],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run(self, separator, *arguments):
        env = dict(os.environ, LC_ALL="C.UTF-8")
        if separator == ",":
            env.update(LOCPATH=self.locales, LC_ALL="ru_RU.UTF-8")
        return subprocess.run([self.program, *arguments], env=env, capture_output=True)

    def solution(self, separator, equation):
        """The lines as far as the solve got (after the equation line), the
        error message or "", and the bytes the save-solution command writes."""
        shown = self.run(separator, "solve", "--values", equation)
        saved = self.run(separator, "solve", "--saved", equation).stdout
        lines = shown.stdout.decode().split("\n")[1:-3]
        return lines, shown.stderr.decode().rstrip("\n"), saved

    def picture(self, separator, equation, *options):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "plot.bmp")
            result = self.run(separator, "plot", equation, "-o", path, *options)
            if result.returncode != 0:
                return None
            with open(path, "rb") as file:
                return file.read()
